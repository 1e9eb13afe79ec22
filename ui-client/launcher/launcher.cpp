#include "launcher.h"

#include <climits>

#include <QFont>
#include <QIcon>
#include <QString>

#include "tarrowind-service.h"
#include "texts/strtab.h"

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags()) {
    QFont font("Arial");
    const QString icon_path =
        QString::fromUtf8(Service::GetRootTarrowindResourceInstallPath().c_str_utf8()) +
        "/images/ico_72_tarrowind.png";

    setWindowTitle(StrTable::LoadStr(StrTable::app_name));
    // A missing file gives a window without icon; that is not an error.
    setWindowIcon(QIcon(icon_path));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    // QProgressDialog shows itself once its minimum duration (4 s by default)
    // has passed after the value was set to the minimum, and a later
    // setValue() shows it when that much time has gone by. The launcher shows
    // the dialog only when an upgrade is due, so the toolkit must never do it:
    // with the minimum value set, this restarts the show timer with a period
    // the process never lives to see, and setValue() can no longer reach it.
    setMinimumDuration(INT_MAX);
    setLabelText(StrTable::LoadStr(StrTable::desc_trwd_env_preparing));
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
}

ProcessingProgressDialog::~ProcessingProgressDialog() {}
