#pragma once

// The game's headers come before Qt's: Qt defines "slots" as a keyword macro.
#include "betting/betting_window_model.h"

#include "app/varn_view.h"
#include "betting/betting_window_dlg.h"
#include "game/enter_names_dlg.h"
#include "game/extra_info_dlg.h"
#include "game/notice_dlg.h"
#include "game/race_set_results_dlg.h"
#include "game/tip_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace galloria {

// Answers the boxes and dialogs the game opens while a command runs: a timer
// looks for the active modal window and acts on it as a player would. Each
// kind of window has a default answer; a test may replace any of them.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(CVarnView& view) : view_(view)
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Look);
        timer_.start();
    }

    // The names typed into the first name boxes; the others keep their texts.
    std::vector<QString> playerNames = {QStringLiteral("Ann")};
    // Buys bets in the betting window before it is closed.
    std::function<void(BettingWindowModel&)> bettor;
    // Acts on any other dialog before it is cancelled.
    std::function<void(QDialog&)> onDialog;
    // Which button to press in a message box; by default OK, Yes or Retry.
    std::function<QMessageBox::StandardButton(const QMessageBox&)> messageAnswer;
    std::function<void(QFileDialog&)> fileAnswer;
    // Called with the back buffer each time the betting window opens.
    std::function<void(const QImage&)> bettingWindowOpened;

    // Sees every window before it is answered.
    std::function<void(QWidget&)> onEveryWindow;

    std::vector<std::string> windows; // what was answered, by kind
    int bettingWindows = 0;
    int setResults = 0;

private:
    void Look()
    {
        // A window the game keeps is shown again later: once it has been
        // hidden it is a new showing to answer.
        if (answered_ && !answered_->isVisible())
            answered_ = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal == answered_)
            return;
        answered_ = modal;
        // Answered from the event loop, not from inside the timer's handler,
        // so a window that opens another finds this one ready for it.
        QTimer::singleShot(0, modal, [this, modal] { Answer(modal); });
    }

    void Answer(QWidget* modal)
    {
        if (onEveryWindow)
            onEveryWindow(*modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            windows.emplace_back("message");
            QMessageBox::StandardButton button = QMessageBox::NoButton;
            if (messageAnswer)
                button = messageAnswer(*box);
            for (QMessageBox::StandardButton preferred :
                 {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Retry}) {
                if (button == QMessageBox::NoButton && box->button(preferred))
                    button = preferred;
            }
            ASSERT_NE(box->button(button), nullptr) << "no such button in: " << box->text().toStdString();
            box->button(button)->click();
        } else if (auto* names = qobject_cast<CEnterNamesDlg*>(modal)) {
            windows.emplace_back("names");
            for (int slot = 0; slot < static_cast<int>(playerNames.size()); ++slot) {
                QLineEdit* edit = names->NameBox(slot)->lineEdit();
                ASSERT_NE(edit, nullptr) << "the name box takes no typing";
                edit->selectAll();
                // Letter by letter, as typed; any letter, not only ASCII ones.
                for (const QChar letter : playerNames[slot])
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(letter), Qt::NoModifier);
            }
            names->PlayButton()->click();
        } else if (auto* tip = qobject_cast<CTipDlg*>(modal)) {
            windows.emplace_back("tip");
            tip->OkButton()->click();
        } else if (qobject_cast<CBettingWindowDlg*>(modal)) {
            windows.emplace_back("betting");
            ++bettingWindows;
            if (bettingWindowOpened)
                bettingWindowOpened(view_.Buffer().Image());
            if (bettor)
                bettor(view_.GameObject().bettingWindow);
            QTest::keyClick(modal, Qt::Key_Escape);
        } else if (auto* notice = qobject_cast<CNoticeDlg*>(modal)) {
            windows.emplace_back("notice");
            notice->OkButton()->click();
        } else if (auto* results = qobject_cast<CRaceSetResultsDlg*>(modal)) {
            windows.emplace_back("results");
            ++setResults;
            results->StopButton()->click();
        } else if (auto* details = qobject_cast<CExtraInfoDlg*>(modal)) {
            windows.emplace_back("details");
            details->CancelButton()->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            windows.emplace_back("file");
            if (fileAnswer)
                fileAnswer(*files);
            else
                files->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            windows.emplace_back(modal->metaObject()->className());
            if (onDialog)
                onDialog(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    }

    CVarnView& view_;
    QTimer timer_;
    QPointer<QWidget> answered_; // null once it is gone, so a new window at its address is seen
};

} // namespace galloria
