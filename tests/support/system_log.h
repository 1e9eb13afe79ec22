#ifndef TESTS_SUPPORT_SYSTEM_LOG_H
#define TESTS_SUPPORT_SYSTEM_LOG_H

#include <string>
#include <vector>

namespace testing_support {

// A stand-in for the system log: a datagram socket that a program run under
// Wrapper() reaches as /dev/log, where syslog(3) sends. The program gets a
// private mount namespace whose /dev links every entry of the real one; the
// real /dev is never changed.
class SystemLogSocket {
public:
    // Empty when this process can make mount namespaces (root can);
    // otherwise what is missing.
    static std::string Missing();
    // Binds the socket in the new directory `dir`. Throws on failure.
    explicit SystemLogSocket(const std::string &dir);
    ~SystemLogSocket();
    SystemLogSocket(const SystemLogSocket &) = delete;
    SystemLogSocket &operator=(const SystemLogSocket &) = delete;

    // The command words a program runs under (its own follow them);
    // `inside` is shell text run in the namespace before it starts.
    std::vector<std::string> Wrapper(const std::string &inside = "") const;
    // The messages that have arrived since the last call, one per datagram:
    // "<priority>time identity[pid]: text".
    std::vector<std::string> Messages();
    // Fills the socket's queue until it takes no datagram more, as a journal
    // that stopped reading leaves it. Returns how many it sent.
    size_t Fill();

private:
    std::string dir_;
    int fd_;
};

}  // namespace testing_support

#endif
