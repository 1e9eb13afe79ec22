// Renders the launcher's progress dialog, as it looks during an upgrade, to a
// PNG file: dialog-screenshot <language code> <percent> <out.png>
// Used for the README's pictures; runs on any platform plugin, offscreen too.
#include <stdio.h>
#include <stdlib.h>

#include <QApplication>
#include <QTranslator>

#include "launcher.h"
#include "texts/strtab.h"

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s <language code> <percent> <out.png>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QTranslator trans;
    if (!trans.load(QString(":/") + argv[1] + ".qm") || !QApplication::installTranslator(&trans)) {
        fprintf(stderr, "no catalogue for %s\n", argv[1]);
        return 1;
    }
    StrTable::InitStrTable();
    ProcessingProgressDialog dialog;
    dialog.setCancelButton(nullptr);
    dialog.setValue(atoi(argv[2]));
    dialog.show();
    app.processEvents();
    return dialog.grab().save(argv[3]) ? 0 : 1;
}
