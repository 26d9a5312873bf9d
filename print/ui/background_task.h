#pragma once

#include <QFuture>
#include <QPromise>
#include <QThreadPool>
#include <functional>
#include <memory>

namespace rv {

// Runs work on a thread of the application's pool and hands its result to
// the future: what waits on the print server runs there, never on the user
// interface thread. The pool waits for its threads when the application ends.
template <typename Result>
QFuture<Result> RunInBackground(std::function<Result()> work) {
  auto promise = std::make_shared<QPromise<Result>>();
  QFuture<Result> future = promise->future();
  promise->start();
  QThreadPool::globalInstance()->start([promise, work = std::move(work)] {
    promise->addResult(work());
    promise->finish();
  });
  return future;
}

}  // namespace rv
