#pragma once

// The application as a user drives it: the window, its screens and menus,
// clicks at vertices and keys, against the fake engine.
#include "app/AppDelegate.h"
#include "app/BoardViewController.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"
#include "tests/support/FakeEngineRecord.h"

#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

// The application as it starts, with a fresh profile unless told to keep the
// last one, against the fake engine recording what it receives.
struct App {
    // The profile goes before the delegate reads it.
    explicit App(bool freshProfile = true) : fresh(freshProfile && (QSettings("hoshi", "hoshi").clear(), true))
    {
        qputenv("HOSHI_ENGINE", QByteArray(FAKE_GTP_ENGINE) + " --record " + dir.filePath("engine.txt").toUtf8());
        qputenv("HOSHI_ENGINE_NAME", "Pachi");
        delegate.applicationDidFinishLaunching();
        delegate.window()->show();
        // Shortcuts of the window reach it only while it is active.
        EXPECT_TRUE(QTest::qWaitForWindowActive(delegate.window()));
    }

    // The current screen, once the screens it replaced are really deleted.
    template <typename Controller>
    Controller* screen() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return qobject_cast<Controller*>(delegate.window()->centralWidget());
    }
    QList<QPushButton*> menuButtons() const
    {
        const auto* menu = screen<MainMenuViewController>();
        return {menu->BlackPachiButton(), menu->WhitePachiButton(), menu->TwoPlayersButton()};
    }
    BoardView* board() const { return screen<BoardViewController>()->boardView(); }
    template <typename Control>
    Control* control(const char* name) const { return board()->findChild<Control*>(name); }
    QPoint vertex(int column, int row) const
    {
        return {qRound(board()->getPosX(column)), qRound(board()->height() - board()->getPosY(row))};
    }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void click(int column, int row) const { QTest::mouseClick(board(), Qt::LeftButton, {}, vertex(column, row)); }
    void press(Qt::Key key, Qt::KeyboardModifiers with = {}) const { QTest::keyClick(delegate.window(), key, with); }
    // Two clicks as from a real mouse, with the event loop running between them,
    // so that a new screen is up for the second.
    void doubleClick(QWidget* widget, std::optional<QPoint> at = std::nullopt) const
    {
        const QPoint position = widget->mapTo(delegate.window(), at.value_or(widget->rect().center()));
        for (const int interval : {QTest::mouseDoubleClickInterval, 0}) {
            QTest::mouseClick(delegate.window()->windowHandle(), Qt::LeftButton, {}, position);
            QTest::lastMouseTimestamp -= interval; // QTest keeps clicks apart by more than a double click's interval
            QCoreApplication::processEvents();
        }
    }
    QStringList received() const { return fakeEngineRecord(dir.filePath("engine.txt")); }

    bool fresh;
    QTemporaryDir dir;
    AppDelegate delegate;
};
