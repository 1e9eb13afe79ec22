#include "file/parallel-remove.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "file/file-op.h"
#include "file/remove-tree.h"
#include "file/scoped.h"

namespace {

// A directory waiting in the queue; null stands for none (see Queue).
typedef std::unique_ptr<ScopedFd> QueuedFd;

// Unlinks what is not a directory below an open directory, with several
// threads taking directories from one queue; it never follows a link and
// never changes a permission. Best effort: whatever it leaves (entries in
// read-only directories, names of unknown type, anything that failed) is
// for FSRemove to remove or report.
class NonDirectoryUnlinker {
public:
    // `root` lies on the mount that `place` describes; directories on other
    // mounts are left alone.
    NonDirectoryUnlinker(QueuedFd root, const EntryStat &place) : place_(place) {
        queue_.push_back(std::move(root));
    }
    NonDirectoryUnlinker(const NonDirectoryUnlinker &) = delete;
    NonDirectoryUnlinker &operator=(const NonDirectoryUnlinker &) = delete;

    // Returns once every queued directory is done, by the calling thread and
    // up to `threads` - 1 helpers (fewer when the system has none to give).
    void Run(unsigned threads) {
        std::vector<std::thread> helpers;
        for (unsigned i = 1; i < threads; ++i) {
            try {
                helpers.emplace_back(&NonDirectoryUnlinker::Work, this);
            } catch (const std::system_error &) {
                break;
            }
        }
        Work();
        for (std::thread &helper : helpers) helper.join();
    }

private:
    // Directories waiting beyond this are emptied by the thread that found
    // them, so a wide tree does not hold a descriptor for each.
    static const size_t kMaxQueued = 64;

    void Work() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return !queue_.empty() || busy_ == 0; });
            if (queue_.empty()) return;
            QueuedFd fd = std::move(queue_.back());
            queue_.pop_back();
            ++busy_;
            lock.unlock();
            Empty(std::move(fd));
            lock.lock();
            --busy_;
            changed_.notify_all();
        }
    }

    // Unlinks the non-directories in directory `fd` and passes its
    // subdirectories on.
    void Empty(QueuedFd fd) {
        ScopedDir stream(fdopendir(fd->get()));
        if (!stream) return;
        fd->release();  // the stream owns it now
        const int dir = dirfd(stream.get());
        while (const struct dirent64 *ent = readdir64(stream.get())) {
            if (IsDotOrDotDot(ent->d_name) || ent->d_type == DT_UNKNOWN) continue;
            if (ent->d_type != DT_DIR) {
                unlinkat(dir, ent->d_name, 0);
                continue;
            }
            QueuedFd sub(new ScopedFd(
                openat(dir, ent->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)));
            EntryStat st;
            if (!sub->valid() || StatAt(sub->get(), "", st) != 0 || !st.SameMount(place_)) continue;
            QueuedFd left = Queue(std::move(sub));
            if (left) Empty(std::move(left));
        }
    }

    // Queues `fd` for any thread and returns null; returns `fd` itself when
    // the queue is full.
    QueuedFd Queue(QueuedFd fd) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (queue_.size() >= kMaxQueued) return fd;
        queue_.push_back(std::move(fd));
        changed_.notify_one();
        return nullptr;
    }

    const EntryStat place_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<QueuedFd> queue_;
    int busy_ = 0;
};

}  // namespace

int FSRemoveParallel(const ustring &path, unsigned threads) {
    if (threads > 1 && !path.empty()) {
        QueuedFd root(
            new ScopedFd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)));
        EntryStat place;
        if (root->valid() && StatAt(root->get(), "", place) == 0)
            NonDirectoryUnlinker(std::move(root), place).Run(threads);
    }
    return FSRemove(path, false);
}
