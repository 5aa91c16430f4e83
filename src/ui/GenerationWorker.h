// Runs one generation at a time on a thread of its own and brings what the
// run reports to the window's thread as signals, in the order reported.
//
// PreCheckFailed, Completed and Failed are synchronous for the run: it
// waits until the handlers connected to the signal have returned, that is
// until the user has dismissed what they show. Handlers must therefore be
// connected directly (the default) and run on the window's thread.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <thread>

#include "generate/AutoCode.h"

class TGenerationWorker : public QObject {
  Q_OBJECT
public:
  explicit TGenerationWorker(QObject* parent = nullptr);
  // Waits for a run still working; its undelivered reports are dropped, and
  // a run waiting for the user goes on at once.
  ~TGenerationWorker() override;

  // True from Start until Finished has been emitted.
  bool IsRunning() const { return running_; }
  // Starts a run; ignored while one is working.
  void Start(const TGenerationRequest& request);

signals:
  void ProgressLine(const QString& line);
  void PreCheckFailed(const QString& message);
  void Completed(const QString& projectDir);
  void Failed(const QString& error);
  // The run's thread has ended; IsRunning is false again.
  void Finished();

private:
  class THost;
  struct TShared;

  void OnRunEnded();

  std::shared_ptr<TShared> shared_;
  std::unique_ptr<THost> host_;
  std::thread thread_;
  bool running_ = false;
};
