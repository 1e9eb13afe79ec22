#ifndef UI_CLIENT_LAUNCHER_LAUNCHER_H
#define UI_CLIENT_LAUNCHER_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

#include "upgrade/run_summary.h"
#include "tarrowind-service.h"

// The launcher's only window: a progress dialog, as wide as the screen's
// logical DPI asks (400 pixels at 96 dpi), shown without being activated,
// with one status line and a percentage bar (range 0 to 100). It is built
// hidden and never shows itself: the owner shows and hides it explicitly.
// Main thread only.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override;
};

// The worker's thread: runs nothing but its event loop, so that queued calls
// to objects living in it run there.
class HandlerThread : public QThread {
    Q_OBJECT

protected:
    void run() override;
};

// Drives the installation service on its own thread: versions, the upgrade
// decision, the upgrade, the aged folder, the start of the client. It never
// touches a widget; what it wants shown travels as signals.
class Worker : public QObject {
    Q_OBJECT

public:
    // Creates the service with `setup` and the thread, and moves itself to
    // that thread.
    explicit Worker(const Service::Setup &setup);
    ~Worker() override;

    void StartThread();
    void QuitThread();
    // Waits, without time limit, until the thread has finished.
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int, int);
    void sigSetLabelText(const QString &);

public slots:
    // The whole service sequence. Runs on the worker thread.
    void HandleServicce();

private:
    // How an upgrade that may have been due ended.
    struct Upgrade {
        Shortfall shortfall = Shortfall::kNone;
        bool replaced = false;  // a new copy is in place; the old one awaits removal
    };

    // Under the lock of the user's tree: the versions, the upgrade when one
    // is due, the start of the client, then the removal of the replaced copy
    // and of the aged folder. Without the lock, only the client's start.
    // Returns how the run fell short.
    Shortfall ChangeTheTree();
    // Upgrades the copy when an upgrade is due and the package is worth it,
    // with the dialog shown meanwhile.
    Upgrade UpgradeIfDue();

    HandlerThread *m_handler_thread;
    Service *m_service;
};

// The controller on the main thread: owns the worker and the dialog, applies
// the worker's reports to the dialog, and ends the event loop when the
// sequence is done. The dialog is built when the worker first reports
// anything for it; a run with nothing to upgrade never builds it.
class Launcher : public QObject {
    Q_OBJECT

public:
    // Creates the worker and makes every connection.
    // The worker's service gets `setup`. REQUIRES: the string table is
    // filled.
    explicit Launcher(const Service::Setup &setup = Service::Setup());
    ~Launcher() override;

    // Starts the worker thread.
    void Run();
    // Queues the service sequence to the worker thread.
    void Start();

signals:
    void sigStart();

public slots:
    // Shows 100 % and hides the dialog if it was built, ends and joins the
    // worker thread, and quits the application's event loop.
    void LaunchDone();
    // Sets the dialog to steps * 100 / total. REQUIRES: total > 0.
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString &label);
    void ShowMsgBox();

private:
    // The dialog, built hidden on first use.
    ProcessingProgressDialog &Progress();

    Worker *m_worker;
    ProcessingProgressDialog *m_progress;  // null until first used
};

#endif
