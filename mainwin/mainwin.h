#pragma once
// The main window: every control, picture and state field of the game, and
// the handlers and operations of every subsystem. Its member functions are
// defined in the folder of the subsystem they belong to.
#include <cstdint>
#include <string>

#include "platform/form.h"
#include "players/record.h"

enum TGameState : int32_t {
    gsEntry = 0,
    gsIntro = 1,
    gsReady = 2,
    gsPlaying = 3,
    gsFinishing = 4,
    gsResults = 5,
    gsRanking = 6,
    gsSystemInfo = 7,
};

class TMainWindow : public TForm {
  public:
    TObject* MainMenu1;
    TMenuItem* mnMenu;
    TMenuItem* mnEnd;
    TMenuItem* mnBar2;
    TMenuItem* mnPlayerInfo;
    TMenuItem* mnVersionInfo;
    TMenuItem* mnSound;
    TMenuItem* mnShowTime;
    TMenuItem* mnShowTimeN;
    TPanel* EntryPanel;
    TPanel* GamePanel;
    TImage* MainScreen;
    TImage* AlphabetImage;
    TImage* BombImage;
    TImage* BombMaskImage;
    TImage* BackgroundImage;
    TImage* OffScreen;
    TImage* TargetImage;
    TButton* Enter;
    TButton* Delete;
    TListBox* PlayerList;
    TLabel* Label1;
    TLabel* Label2;
    TEdit* NewEntry;
    TTimer* Anime;
    TMediaPlayer* Sound;
    TMenuItem* mnBar3;
    TMenuItem* mnStartVexo;
    TImage* RestoreImage;
    TImage* RestoreMaskImage;
    TImage* TitleImage;
    TMenuItem* N1;
    TMenuItem* mnChangePlayer;
    TMenuItem* K1;

    void mnSoundClick(TObject* Sender);
    void mnShowTimeClick(TObject* Sender);
    void mnShowTimeNClick(TObject* Sender);
    void mnExitClick(TObject* Sender);
    void EnterClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void AnimeTimer(TObject* Sender);
    void mnPlayerInfoClick(TObject* Sender);
    void mnStartVexoClick(TObject* Sender);
    void mnVersionInfoClick(TObject* Sender);
    void PlayerListDblClick(TObject* Sender);
    void PlayerListKeyPress(TObject* Sender, char& Key);
    void NewEntryKeyPress(TObject* Sender, char& Key);
    void DeleteClick(TObject* Sender);
    void mnChangePlayerClick(TObject* Sender);
    void K1Click(TObject* Sender);

    explicit TMainWindow(TObject* Owner);
    ~TMainWindow() override;

  private:
    friend class TMainWindowPeer; // tests read the fields nothing on screen shows

    void BindEvents();

    void StartGame();
    void StartClock(uint32_t now);
    void CorrectKey(uint32_t now);
    void Mistype();
    void EndGame();
    void DrawPlayfield();
    void FormatSeconds(char* buffer, int32_t milliseconds);
    void DrawLetter(int32_t x, int32_t y, char ch);
    void DrawBackground();
    void CopyToScreen(int32_t left, int32_t top, int32_t right, int32_t bottom);
    void PresentScreen();
    void DrawBomb(int32_t x, int32_t y, int32_t frame);
    void DrawRestore(int32_t x, int32_t y, int32_t frame);
    void ReadPlayerFile();
    void SavePlayer();
    void LoadPlayer(const char* name);
    void DeletePlayer(const char* name);

    TGameState GameState = gsEntry;
    int32_t HitCount = 0;
    int32_t FirstLiveBomb = 0;
    int32_t RevealCount = 0;
    int32_t ResultRows = 0;
    int32_t IntroStep = 0;
    int32_t InfoStep = 0;
    int32_t NewRank = 0;
    int32_t MissCount = 0;
    int32_t LetterFrame[26] = {};
    uint32_t LastStepTick = 0;
    uint32_t RevealTick = 0;
    uint32_t HitTick[26] = {};
    bool SoundOn = false;
    bool TimeOn = false;
    bool NeedleOn = false;
    bool NewBest = false;
    TPlayerRecord Player = {};
    TPlayerRecord Ranking[10] = {};
};

extern TMainWindow* MainWindow;
