#include "gui/OperationRunner.h"

namespace velmora {

OperationRunner::OperationRunner(QObject* parent) : QObject(parent) {}

OperationRunner::~OperationRunner() {
    if (thread_.joinable()) thread_.join();
}

bool OperationRunner::Start(std::function<void()> work, std::function<void()> done) {
    if (running_) return false;
    if (thread_.joinable()) thread_.join();
    running_ = true;
    thread_ = std::thread([this, work = std::move(work), done = std::move(done)]() mutable {
        work();
        QMetaObject::invokeMethod(
            this,
            [this, done = std::move(done)] {
                thread_.join();
                running_ = false;
                if (done) done();
                emit finished();
            },
            Qt::QueuedConnection);
    });
    return true;
}

}  // namespace velmora
