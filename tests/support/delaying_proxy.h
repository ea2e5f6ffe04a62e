// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <chrono>

namespace tonalis::testing {

// A slow network link on loopback: every byte either way arrives `delay`
// after it was sent (order kept), as at a site at the end of a long link.
// It runs on a thread of its own, so that a test may wait for a program
// that goes through it; it listens on 127.0.0.1 for as long as it lives.
class DelayingProxy {
 public:
  DelayingProxy(int upstreamPort, std::chrono::milliseconds delay) {
    worker_ = new Worker(upstreamPort, static_cast<int>(delay.count()));
    worker_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(worker_, [this] { port_ = worker_->listen(); }, Qt::BlockingQueuedConnection);
  }
  ~DelayingProxy() {
    QMetaObject::invokeMethod(worker_, [this] { delete worker_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
  }
  int port() const { return port_; }

 private:
  class Worker : public QObject {
   public:
    Worker(int upstreamPort, int delayMs) : upstreamPort_(upstreamPort), delayMs_(delayMs) {}
    int listen() {
      server_ = new QTcpServer(this);
      QObject::connect(server_, &QTcpServer::newConnection, this, [this] { accept(); });
      server_->listen(QHostAddress::LocalHost, 0);
      return server_->serverPort();
    }

   private:
    void accept() {
      while (QTcpSocket* client = server_->nextPendingConnection()) {
        auto* upstream = new QTcpSocket(this);
        client->setParent(this);
        upstream->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(upstreamPort_));
        pipe(client, upstream);
        pipe(upstream, client);
      }
    }
    // What `from` receives reaches `to` later; an end, as late.
    void pipe(QTcpSocket* from, QTcpSocket* to) {
      QPointer<QTcpSocket> target(to);
      QObject::connect(from, &QTcpSocket::readyRead, this, [this, from, target] {
        const QByteArray data = from->readAll();
        QTimer::singleShot(delayMs_, Qt::PreciseTimer, this, [target, data] {
          if (target) target->write(data);
        });
      });
      QObject::connect(from, &QTcpSocket::disconnected, this, [this, target] {
        QTimer::singleShot(delayMs_ + 5, Qt::PreciseTimer, this, [target] {
          if (target) target->disconnectFromHost();
        });
      });
    }

    QTcpServer* server_ = nullptr;
    int upstreamPort_;
    int delayMs_;
  };

  QThread thread_;
  Worker* worker_;
  int port_ = 0;
};

}  // namespace tonalis::testing
