#include "launcher.h"

#include <chrono>
#include <climits>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QProgressBar>
#include <QString>

#include "adapter.h"
#include "linux/linux-service.h"
#include "log.h"
#include "notice/user_notice.h"
#include "tarrowind-service.h"
#include "texts/strtab.h"
#include "upgrade/run.h"
#include "upgrade/run_summary.h"

namespace {

const char kComponent[] = "launcher_debug";

// Keeps the user from closing the dialog (window manager close button,
// Escape) while it exists: the service sequence cannot be cancelled, and the
// worker thread must not be destroyed while it runs. The dialog disappears
// when the sequence is done.
class CloseRequestFilter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

CloseRequestFilter &GetCloseRequestFilter() {
    static CloseRequestFilter filter;
    return filter;
}

// The dialog's width at the standard 96 dpi. Desktops scaled to 125 %, 150 %
// or 200 % give X11 programs a logical DPI of 120, 144 or 192 (Xft.dpi): the
// fonts grow with it, so the width must too, or the translated status lines
// are cut off at both ends. Under the toolkit's own scaling
// (QT_SCALE_FACTOR) the logical DPI stays 96 and the pixels scale instead.
const int kWidthAt96Dpi = 400;

int ScaledToDpi(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

// The installation's icon, which the dialog and the desktop notification show.
ustring InstalledIcon() {
    return Service::GetRootTarrowindResourceInstallPath() + "/images/ico_72_tarrowind.png";
}

}  // namespace

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags()) {
    QFont font("Arial");
    const QString icon_path = QString::fromUtf8(InstalledIcon().c_str_utf8());

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
    SetStatusLine(StrTable::LoadStr(StrTable::desc_trwd_env_preparing));
    setFont(font);
    setFixedWidth(ScaledToDpi(kWidthAt96Dpi, logicalDpiX()));
    // Shown without taking the keyboard from the window the user is typing
    // in: the window manager is told so (a user time of 0), and the dialog
    // is not modal, since the toolkit activates a modal window itself when
    // it maps it. With no other window of the launcher to block, modality
    // would do nothing else.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowModality(Qt::NonModal);
    setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
}

ProcessingProgressDialog::~ProcessingProgressDialog() {}

void ProcessingProgressDialog::SetStatusLine(const QString &line) {
    setLabelText(line);
    // The bar QProgressDialog builds for itself is its only QProgressBar.
    // Its value is already told as a percentage (the range is 0 to 100);
    // without a name it is announced as a bare "progress bar".
    if (QProgressBar *bar = findChild<QProgressBar *>()) bar->setAccessibleName(line);
}

void HandlerThread::run() { exec(); }

Worker::Worker(const Service::Setup &setup, InstanceLock instance, Display display)
    : QObject(nullptr),
      m_handler_thread(nullptr),
      m_service(nullptr),
      instance_(instance),
      display_(display) {
    m_service = new LinuxService(setup);
    m_handler_thread = new HandlerThread;
}

Worker::~Worker() {
    if (m_handler_thread) delete m_handler_thread;
    if (m_service) delete m_service;
}

void Worker::StartThread() {
    // QThread::start marks the thread running before it asks for it, and
    // unmarks it when pthread_create fails (at the user's process limit,
    // for instance), warning only on standard error.
    m_handler_thread->start(QThread::InheritPriority);
    if (m_handler_thread->isRunning()) {
        moveToThread(m_handler_thread);
        return;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] launcher(%d): the system refused the worker thread; the upgrade "
                   "runs on the main thread, the dialog frozen meanwhile\n",
                   __LINE__);
}

void Worker::QuitThread() { m_handler_thread->quit(); }

void Worker::JoinThread() { m_handler_thread->wait(ULONG_MAX); }

void Worker::HandleServicce() {
    // 86 and 114 are part of the messages: they stay whatever line the call
    // is on.
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): running\n", 86);
    RunSetup setup;
    setup.user = Service::GetUserTarrowindInstallPath();
    setup.instance = instance_;
    ServiceSteps steps(*m_service);
    const RunOutcome outcome = RunAgainstTree(setup, steps, *this);
    ReportShortfall(outcome.shortfall, outcome.installed_build, outcome.package_build,
                    setup.user + "/log/launcher.log");
    TellUserOnDesktop(setup.user, outcome);
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): done\n", 114);
    emit sigServiceDone();
}

void Worker::TellUserOnDesktop(const ustring &user, const RunOutcome &outcome) const {
    if (display_ == Display::kAbsent) return;
    NoticeWords words;
    words.title = StrTable::LoadStr(StrTable::app_name).toStdString();
    words.disk_full = StrTable::LoadStr(StrTable::err_diskfull).toStdString();
    words.upgrade_failed = StrTable::LoadStr(StrTable::upgrade_failed).toStdString();
    words.icon = InstalledIcon();
    TellUser(user, outcome, words, Service::GetNotifierPath());
}

void Worker::UpgradeDue() { emit sigShowMsg(); }

void Worker::UpgradeDropped() { emit sigHideMsg(); }

void Worker::UpgradeDone() {
    emit sigUpdateProgress(100, 100);
    emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_trwd_env_preparation_done));
}

Launcher::Launcher(const Service::Setup &setup, InstanceLock instance, Display display)
    : QObject(nullptr), m_worker(nullptr), m_progress(nullptr) {
    m_worker = new Worker(setup, instance, display);
    // Queued even when the worker stays on this thread: the sequence then
    // runs once the event loop runs, and its end can quit that loop.
    connect(this, SIGNAL(sigStart()), m_worker, SLOT(HandleServicce()), Qt::QueuedConnection);
    connect(m_worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()), Qt::AutoConnection);
    connect(m_worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()), Qt::AutoConnection);
    connect(m_worker, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)),
            Qt::AutoConnection);
    connect(m_worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)),
            Qt::AutoConnection);
    connect(m_worker, SIGNAL(sigHideMsg()), this, SLOT(HideMsgBox()), Qt::AutoConnection);
    connect(&Notify_Adapter::GetInstance(), SIGNAL(sigUpdateProgress(int, int)), this,
            SLOT(UpdateProgress(int, int)), Qt::AutoConnection);
    connect(&Notify_Adapter::GetInstance(), SIGNAL(sigUpdateDialogText(QString)), this,
            SLOT(SetLabelText(QString)), Qt::AutoConnection);
}

Launcher::~Launcher() {
    if (m_worker) delete m_worker;
    if (m_progress) delete m_progress;
}

ProcessingProgressDialog &Launcher::Progress() {
    // Built on first use: a run with nothing to upgrade never needs it, and
    // building it (fonts, style, the window) is most of such a run's cost.
    if (!m_progress) {
        m_progress = new ProcessingProgressDialog;
        m_progress->setCancelButton(nullptr);
        m_progress->setAutoReset(false);
        m_progress->installEventFilter(&GetCloseRequestFilter());
    }
    return *m_progress;
}

void Launcher::Run() { m_worker->StartThread(); }

void Launcher::Start() { emit sigStart(); }

void Launcher::UpdateProgress(int total, int steps) {
    if (total <= 0) return;  // no meaningful percentage; never divide by zero
    Progress().setValue(static_cast<int>(static_cast<long long>(steps) * 100 / total));
}

void Launcher::SetLabelText(const QString &label) { Progress().SetStatusLine(label); }

void Launcher::ShowMsgBox() { Progress().show(); }

void Launcher::HideMsgBox() {
    if (m_progress) m_progress->hide();
}

void Launcher::LaunchDone() {
    if (m_progress) {
        m_progress->setValue(100);
        m_progress->hide();
    }
    m_worker->QuitThread();
    m_worker->JoinThread();
    QCoreApplication::quit();
}
