#include "mainwin/mainwin.h"

#include "platform/application.h"
#include "platform/text.h"
#include "players/defaults.h"
#include "players/namecheck.h"

void TMainWindow::EnterClick(TObject*) {
    const std::string text = NewEntry->Text();
    if (text.empty()) {
        const int selected = PlayerList->ItemIndex();
        if (selected == -1) {
            Application->MessageBox(Cp932("プレイヤーを選択してください"), Cp932("エントリー"));
            return;
        }
        LoadPlayer(PlayerList->Item(selected).c_str());
    } else {
        // Refused before anything is saved; the text stays for correction.
        const TNameFault fault = CheckPlayerName(text, NewEntry->TextIsCp932());
        if (fault != TNameFault::None) {
            Application->MessageBox(NameFaultMessage(fault), Cp932("エントリー"));
            return;
        }
        Player = FreshPlayerRecord(text, SoundOn, TimeOn, NeedleOn);
        SavePlayer();
    }
    mnStartVexo->SetEnabled(true);
    mnPlayerInfo->SetEnabled(true);
    mnChangePlayer->SetEnabled(true);
    mnVersionInfo->SetEnabled(true);
    StartGame();
}

void TMainWindow::PlayerListDblClick(TObject* Sender) {
    EnterClick(Sender);
}

void TMainWindow::PlayerListKeyPress(TObject* Sender, char& Key) {
    if (Key == 13 || Key == 32)
        EnterClick(Sender);
}

void TMainWindow::NewEntryKeyPress(TObject* Sender, char& Key) {
    if (Key == 13)
        EnterClick(Sender);
}

void TMainWindow::DeleteClick(TObject*) {
    const int selected = PlayerList->ItemIndex();
    if (selected == -1)
        return;
    const std::string name = PlayerList->Item(selected);
    PlayerList->DeleteItem(selected);
    DeletePlayer(name.c_str());
}

void TMainWindow::mnChangePlayerClick(TObject*) {
    EntryPanel->Show();
    GamePanel->Hide();
    mnStartVexo->SetEnabled(false);
    mnPlayerInfo->SetEnabled(false);
    mnChangePlayer->SetEnabled(false);
    mnVersionInfo->SetEnabled(false);
    GameState = gsEntry;
}
