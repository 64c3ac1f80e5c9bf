#pragma once
// Drives the Connect dialog through its controls' object names, as an operator would.

#include "ConnectDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

// Readable failures: gtest prints a QString as its bytes otherwise.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace connecttest {

template <class W>
W* control(QWidget* dialog, const char* name)
{
    W* w = dialog->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

inline void type(QWidget* dialog, const char* name, const QString& text)
{
    if (auto* field = control<QLineEdit>(dialog, name)) {
        field->clear();
        QTest::keyClicks(field, text);
    }
}

inline void choose(QWidget* dialog, const char* name, int index)
{
    if (auto* box = control<QComboBox>(dialog, name))
        box->setCurrentIndex(index);
}

inline void click(QWidget* dialog, const char* name)
{
    if (auto* button = control<QPushButton>(dialog, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

inline QString text(QWidget* dialog, const char* name)
{
    if (auto* label = dialog->findChild<QLabel*>(QLatin1String(name)))
        return label->text();
    if (auto* field = dialog->findChild<QLineEdit*>(QLatin1String(name)))
        return field->text();
    ADD_FAILURE() << "no label or field " << name;
    return {};
}

// Version 3 with the given user, security level index (0 none, 1 authentication, 2 with
// privacy), protocol index (0 HMAC-MD5, 1 HMAC-SHA) and passwords.
inline void fillV3(QWidget* dialog, const QString& address, const QString& user, int level, int protocol,
                   const QString& auth, const QString& priv)
{
    type(dialog, "address", address);
    choose(dialog, "version", 1);
    type(dialog, "user", user);
    choose(dialog, "securityLevel", level);
    choose(dialog, "authProtocol", protocol);
    type(dialog, "authPassword", auth);
    type(dialog, "privPassword", priv);
}

inline void fillV1(QWidget* dialog, const QString& address, const QString& read, const QString& write)
{
    type(dialog, "address", address);
    choose(dialog, "version", 0);
    type(dialog, "readCommunity", read);
    type(dialog, "writeCommunity", write);
}

// Clicks Test and waits for the status line to say what came back.
inline QString runTest(ConnectDialog* dialog, int waitMs = 15000)
{
    QSignalSpy finished(dialog, &ConnectDialog::testFinished);
    click(dialog, "test");
    if (finished.isEmpty() && !finished.wait(waitMs))
        ADD_FAILURE() << "Test did not finish within " << waitMs << " ms";
    return text(dialog, "status");
}

} // namespace connecttest
