#include "ui/GenerationWorker.h"

#include <QMetaObject>
#include <QPointer>
#include <condition_variable>
#include <functional>
#include <mutex>

// State the run's thread and the window's thread both touch.
struct TGenerationWorker::TShared {
  std::mutex mutex;
  std::condition_variable delivered;
  bool abandoned = false;  // the worker is going away: nobody will answer
};

// The host the run talks to. Every report is queued to the worker on the
// window's thread; queued calls keep their order, so the log shows the
// lines in the order the run wrote them.
class TGenerationWorker::THost : public TGenerationHost {
public:
  THost(TGenerationWorker& worker, std::shared_ptr<TShared> shared)
      : worker_(worker), shared_(std::move(shared)) {}

  void Progress(const std::string& line) override {
    Post([line](TGenerationWorker& w) { emit w.ProgressLine(QString::fromStdString(line)); });
  }
  void PreCheckFailed(const std::string& message) override {
    Ask([message](TGenerationWorker& w) {
      emit w.PreCheckFailed(QString::fromStdString(message));
    });
  }
  void Completed(const std::filesystem::path& projectDir) override {
    Ask([projectDir](TGenerationWorker& w) {
      emit w.Completed(QString::fromStdString(projectDir.string()));
    });
  }
  void Failed(const std::string& error) override {
    Ask([error](TGenerationWorker& w) { emit w.Failed(QString::fromStdString(error)); });
  }

private:
  using TReport = std::function<void(TGenerationWorker&)>;

  void Post(TReport report) {
    QPointer<TGenerationWorker> target(&worker_);
    QMetaObject::invokeMethod(
        &worker_,
        [target, report = std::move(report)] {
          if (target) report(*target);
        },
        Qt::QueuedConnection);
  }

  // Posts the report and waits until the window's thread has handled it.
  void Ask(TReport report) {
    auto done = std::make_shared<bool>(false);
    auto shared = shared_;
    Post([report = std::move(report), done, shared](TGenerationWorker& w) {
      report(w);
      std::lock_guard lock(shared->mutex);
      *done = true;
      shared->delivered.notify_all();
    });
    std::unique_lock lock(shared_->mutex);
    shared_->delivered.wait(lock, [&] { return *done || shared_->abandoned; });
  }

  TGenerationWorker& worker_;
  std::shared_ptr<TShared> shared_;
};

TGenerationWorker::TGenerationWorker(QObject* parent)
    : QObject(parent),
      shared_(std::make_shared<TShared>()),
      host_(std::make_unique<THost>(*this, shared_)) {}

TGenerationWorker::~TGenerationWorker() {
  {
    std::lock_guard lock(shared_->mutex);
    shared_->abandoned = true;
  }
  shared_->delivered.notify_all();
  if (thread_.joinable()) thread_.join();
}

void TGenerationWorker::Start(const TGenerationRequest& request) {
  if (running_) return;
  if (thread_.joinable()) thread_.join();
  running_ = true;
  thread_ = std::thread([this, request] {
    try {
      TAutoCode(request, *host_).Execute();
    } catch (const std::exception& e) {
      host_->Failed(e.what());
    }
    QMetaObject::invokeMethod(this, &TGenerationWorker::OnRunEnded, Qt::QueuedConnection);
  });
}

void TGenerationWorker::OnRunEnded() {
  if (thread_.joinable()) thread_.join();
  running_ = false;
  emit Finished();
}
