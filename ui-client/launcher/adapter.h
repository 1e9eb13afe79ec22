#ifndef UI_CLIENT_LAUNCHER_ADAPTER_H
#define UI_CLIENT_LAUNCHER_ADAPTER_H

#include <QObject>
#include <QString>

// Process-wide relay between code that has no reference to the GUI (the
// package extractor on the worker thread) and the launcher's controller.
// It keeps no state and never touches a widget: every call emits exactly one
// signal. Its methods may be called from any thread; receivers on other
// threads get the reports as queued calls, in emission order.
class Notify_Adapter : public QObject {
    Q_OBJECT

public:
    // The single instance, created without parent on the first call (the
    // launcher makes that call on the main thread, so the instance belongs to
    // it) and destroyed at process exit.
    static Notify_Adapter &GetInstance();

    // Emits sigUpdateProgress(total, step): `step` of `total` entries done.
    void UpdateProgress(int total, int step);
    // Emits sigUpdateDialogText with a copy of `text`.
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString);
};

#endif
