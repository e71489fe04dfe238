#pragma once
// What every widget test needs: the one application object of the test
// program (TestApplication.h), typing as a user types, and a catcher that answers the message
// boxes a window shows.

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "TestApplication.h"

namespace qxtest {

// Typing as the user does; `selectAll` first presses Ctrl+A. Letters beyond
// ASCII ("ò") go with their own key code and text, which keyClicks lacks.
inline void typeInto(QWidget* widget, const QString& text, bool selectAll = false) {
  if (selectAll) QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
  }
}

// Answers every message box that comes up while it lives, recording what
// each one showed. With `owner`, it also does what a desktop's window manager
// does and the offscreen platform does not: the box takes the activation
// from its owner and gives it back when it closes.
class MessageCatcher {
 public:
  struct Shown {
    QString text;
    QString name;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  };

  explicit MessageCatcher(QWidget* owner = nullptr) {
    QObject::connect(&timer_, &QTimer::timeout, [this, owner] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shown.push_back({box->text(), box->objectName(), box->icon(), box->standardButtons()});
      texts << box->text();
      names << box->objectName();
      if (owner) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(owner, &deactivate);
      }
      box->accept();
      if (owner)
        QTimer::singleShot(0, owner, [owner] {
          QEvent activate(QEvent::WindowActivate);
          QApplication::sendEvent(owner, &activate);
        });
    });
    timer_.start(10);
  }

  std::vector<Shown> shown;
  QStringList texts;  // the texts of `shown`, in order
  QStringList names;  // their object names

 private:
  QTimer timer_;
};

}  // namespace qxtest
