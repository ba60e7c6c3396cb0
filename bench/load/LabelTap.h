#pragma once

#include <QString>
#include <atomic>
#include <thread>

namespace mesload {

// A terminal's label printer: a pseudo-terminal pair whose slave is the
// printer's serial port; a thread drains the master into a file as it comes, so
// that a label never waits on a full buffer and a kill keeps what was received.
class LabelTap {
  public:
    explicit LabelTap(const QString& file);
    ~LabelTap();
    LabelTap(const LabelTap&) = delete;
    LabelTap& operator=(const LabelTap&) = delete;

    // The slave's device name ("" when no pair could be made).
    const QString& port() const { return port_; }
    // Bytes received so far, all of them in the file.
    qint64 received() const { return received_; }
    // Waits until total bytes have been received; false after timeoutMs without them.
    bool waitFor(qint64 total, int timeoutMs) const;

  private:
    void read();

    QString port_;
    int master_ = -1, slave_ = -1, out_ = -1;
    std::atomic<qint64> received_{0};
    std::thread reader_;
};

}  // namespace mesload
