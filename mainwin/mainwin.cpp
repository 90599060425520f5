#include "mainwin/mainwin.h"

#include "platform/application.h"

TMainWindow* MainWindow = nullptr;

TMainWindow::TMainWindow(TObject*) : TForm("mainwin") {
    MainMenu1 = Component("MainMenu1");
    mnMenu = MenuItem("mnMenu");
    mnEnd = MenuItem("mnEnd");
    mnBar2 = MenuItem("mnBar2");
    mnPlayerInfo = MenuItem("mnPlayerInfo");
    mnVersionInfo = MenuItem("mnVersionInfo");
    mnSound = MenuItem("mnSound");
    mnShowTime = MenuItem("mnShowTime");
    mnShowTimeN = MenuItem("mnShowTimeN");
    EntryPanel = Panel("EntryPanel");
    GamePanel = Panel("GamePanel");
    MainScreen = Image("MainScreen");
    AlphabetImage = Image("AlphabetImage");
    BombImage = Image("BombImage");
    BombMaskImage = Image("BombMaskImage");
    BackgroundImage = Image("BackgroundImage");
    OffScreen = Image("OffScreen");
    TargetImage = Image("TargetImage");
    Enter = Button("Enter");
    Delete = Button("Delete");
    PlayerList = ListBox("PlayerList");
    Label1 = Label("Label1");
    Label2 = Label("Label2");
    NewEntry = Edit("NewEntry");
    Anime = Timer("Anime");
    Sound = MediaPlayer("Sound");
    mnBar3 = MenuItem("mnBar3");
    mnStartVexo = MenuItem("mnStartVexo");
    RestoreImage = Image("RestoreImage");
    RestoreMaskImage = Image("RestoreMaskImage");
    TitleImage = Image("TitleImage");
    N1 = MenuItem("N1");
    mnChangePlayer = MenuItem("mnChangePlayer");
    K1 = MenuItem("K1");
    BindEvents();

    SoundOn = true;
    TimeOn = true;
    NeedleOn = false;
    SetClientWidth(402);
    SetClientHeight(402);
    EntryPanel->SetLeft(0);
    GameState = gsEntry;
    Sound->Open();
    ReadPlayerFile();
}

TMainWindow::~TMainWindow() = default;

void TMainWindow::BindEvents() {
    mnSound->OnClick = [this](TObject* s) { mnSoundClick(s); };
    mnShowTime->OnClick = [this](TObject* s) { mnShowTimeClick(s); };
    mnShowTimeN->OnClick = [this](TObject* s) { mnShowTimeNClick(s); };
    mnEnd->OnClick = [this](TObject* s) { mnExitClick(s); };
    Enter->OnClick = [this](TObject* s) { EnterClick(s); };
    OnKeyDown = [this](TObject* s, uint16_t& key, TShiftState shift) {
        FormKeyDown(s, key, shift);
    };
    Anime->OnTimer = [this](TObject* s) { AnimeTimer(s); };
    mnPlayerInfo->OnClick = [this](TObject* s) { mnPlayerInfoClick(s); };
    mnStartVexo->OnClick = [this](TObject* s) { mnStartVexoClick(s); };
    mnVersionInfo->OnClick = [this](TObject* s) { mnVersionInfoClick(s); };
    PlayerList->OnDblClick = [this](TObject* s) { PlayerListDblClick(s); };
    PlayerList->OnKeyPress = [this](TObject* s, char& key) { PlayerListKeyPress(s, key); };
    NewEntry->OnKeyPress = [this](TObject* s, char& key) { NewEntryKeyPress(s, key); };
    Delete->OnClick = [this](TObject* s) { DeleteClick(s); };
    mnChangePlayer->OnClick = [this](TObject* s) { mnChangePlayerClick(s); };
    K1->OnClick = [this](TObject* s) { K1Click(s); };
}

void TMainWindow::mnSoundClick(TObject*) {
    mnSound->SetChecked(!mnSound->Checked());
    SoundOn = mnSound->Checked();
    Player.SoundOn = SoundOn;
}

void TMainWindow::mnShowTimeClick(TObject*) {
    mnShowTime->SetChecked(!mnShowTime->Checked());
    TimeOn = mnShowTime->Checked();
    Player.TimeOn = TimeOn;
    if (GameState == gsReady)
        DrawPlayfield();
}

void TMainWindow::mnShowTimeNClick(TObject*) {
    mnShowTimeN->SetChecked(!mnShowTimeN->Checked());
    NeedleOn = mnShowTimeN->Checked();
    Player.NeedleOn = NeedleOn;
    if (GameState == gsReady)
        DrawPlayfield();
}

void TMainWindow::K1Click(TObject*) {
    Application->HelpContext(1);
}

void TMainWindow::mnExitClick(TObject*) {
    SavePlayer();
    Close();
}
