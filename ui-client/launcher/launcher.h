#ifndef UI_CLIENT_LAUNCHER_LAUNCHER_H
#define UI_CLIENT_LAUNCHER_LAUNCHER_H

#include <QProgressDialog>

// The launcher's only window: a fixed-width, window-modal progress dialog
// with one status line and a percentage bar (range 0 to 100). It is built
// hidden and never shows itself: the owner shows and hides it explicitly.
// Main thread only.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override;
};

#endif
