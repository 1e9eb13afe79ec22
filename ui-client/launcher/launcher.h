#ifndef UI_CLIENT_LAUNCHER_LAUNCHER_H
#define UI_CLIENT_LAUNCHER_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

#include "tarrowind-service.h"
#include "upgrade/run.h"

// Whether the launcher runs on a display the user sees (a platform other
// than "offscreen"): decided once, at start-up. Without one nothing is
// shown, not even a notification on the desktop.
enum class Display { kPresent, kAbsent };

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

    // Shows `line` as the status line and makes it the bar's accessible
    // name, so that a screen reader announces the bar by what it measures.
    void SetStatusLine(const QString &line);
};

// The worker's thread: runs nothing but its event loop, so that queued calls
// to objects living in it run there.
class HandlerThread : public QThread {
    Q_OBJECT

protected:
    void run() override;
};

// Runs the launcher's one run against the user's tree (RunAgainstTree) on
// its own thread (the caller's when the system refuses one), with its service, and reports its
// outcome to the system log and, on a display, to the user when it fell short
// (TellUser). It holds no decision of its own: what the run wants shown travels as
// signals, and it never touches a widget.
class Worker : public QObject, private RunObserver {
    Q_OBJECT

public:
    // Creates the service with `setup` and the thread. `instance`: whether
    // this launcher holds the single-instance lock.
    Worker(const Service::Setup &setup, InstanceLock instance, Display display);
    ~Worker() override;

    // Starts the thread and moves the worker to it. When the system refuses
    // the thread, the worker stays on the calling thread, whose event loop
    // then runs the sequence (one ERROR line says so). Caller's thread only.
    void StartThread();
    void QuitThread();
    // Waits, without time limit, until the thread has finished.
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int, int);
    void sigSetLabelText(const QString &);
    void sigHideMsg();

public slots:
    // The whole run. Runs on the worker thread.
    void HandleServicce();

private:
    void UpgradeDue() override;
    void UpgradeDropped() override;
    void UpgradeDone() override;

    // Tells the user of `outcome` on the desktop, when there is one.
    void TellUserOnDesktop(const ustring &user, const RunOutcome &outcome) const;

    HandlerThread *m_handler_thread;
    Service *m_service;
    const InstanceLock instance_;
    const Display display_;
};

// The controller on the main thread: owns the worker and the dialog, applies
// the worker's reports to the dialog, and ends the event loop when the
// sequence is done. The dialog is built when the worker first reports
// anything for it; a run with nothing to upgrade never builds it.
class Launcher : public QObject {
    Q_OBJECT

public:
    // Creates the worker and makes every connection.
    // The worker's service gets `setup`; `instance` says whether this
    // launcher holds the single-instance lock, `display` whether it runs on
    // a display. REQUIRES: the string table is filled.
    explicit Launcher(const Service::Setup &setup = Service::Setup(),
                      InstanceLock instance = InstanceLock::kHeld,
                      Display display = Display::kAbsent);
    ~Launcher() override;

    // Starts the worker thread; where the system refuses it, the sequence
    // runs on this thread instead.
    void Run();
    // Queues the service sequence to the worker, which runs it once the
    // event loop runs. REQUIRES: Run was called.
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
    // Hides the dialog if it was built.
    void HideMsgBox();

private:
    // The dialog, built hidden on first use.
    ProcessingProgressDialog &Progress();

    Worker *m_worker;
    ProcessingProgressDialog *m_progress;  // null until first used
};

#endif
