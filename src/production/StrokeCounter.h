#pragma once

#include <QObject>
#include <QString>
#include <atomic>

class QThread;

namespace mes {

// Where the machine's 32-bit stroke counter is read.
struct CounterLink {
    QString host;
    int port = 502;
    int unit = 1;
    int address = 0;  // the first of the two holding registers
    bool highWordFirst = true;
    int pollMs = 500;
};

// Polls the stroke counter over Modbus TCP on a thread of its own, so that a
// slow or dead link never blocks the screen. Its signals are emitted on that
// thread and reach receivers of the screen's thread queued.
class StrokeCounter : public QObject {
    Q_OBJECT
  public:
    explicit StrokeCounter(CounterLink link, QObject* parent = nullptr);
    ~StrokeCounter() override;

    void start();
    void stop();  // returns once the thread has ended
    bool running() const;

    // The two registers as one value in the configured word order.
    static quint32 combine(quint16 first, quint16 second, bool highWordFirst);

  signals:
    void counted(quint32 raw);
    // Sent on each change: the first reading after a failure, a failed read.
    void linkChanged(bool online);

  private:
    void poll();

    CounterLink link_;
    QThread* thread_ = nullptr;
    std::atomic<bool> stop_{false};
};

}  // namespace mes
