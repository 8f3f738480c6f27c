// Runs one long operation of the session (a meter transfer, an upgrade, a
// download) on a thread of its own while the window's event loop goes on: the
// window repaints, resizes and takes Stop at once. What the operation shows
// reaches the form through its view calls, which the form carries over to
// its own thread.
#pragma once

#include <QObject>
#include <functional>
#include <thread>

namespace velmora {

class OperationRunner : public QObject {
    Q_OBJECT
public:
    explicit OperationRunner(QObject* parent = nullptr);
    // Waits for a running operation; the window stops it before it goes.
    ~OperationRunner() override;

    bool Running() const { return running_; }
    // Starts work on the operation's thread; then, back on the window's
    // thread, done and the finished signal. False when one runs already.
    bool Start(std::function<void()> work, std::function<void()> done = {});

signals:
    void finished();

private:
    std::thread thread_;
    // Only the window's thread reads or writes it.
    bool running_ = false;
};

}  // namespace velmora
