// SPDX-License-Identifier: MIT
#pragma once
// The main window: menus, the logo panels, and one page per calculator, of
// which one is shown at a time.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>

class QAction;
class QFrame;
class QKeySequence;
class QLabel;
class QMenu;
class QTabWidget;
class QToolButton;
class TRadixerCalculator;
class TSubnetCalculator;
class TAboutForm;
class TLatencyCalculator;
class TPrefixCalculator;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr const char* ApplicationTitle = "Orvane Calculator";
  // The maker has no web site of its own yet; this address is a placeholder.
  static constexpr const char* WebsiteAddress = "https://www.kestgroup.example/";
  static constexpr const char* SettingsKey = "Software\\Kest Group\\Plimsol Calculator\\3.01";
  static constexpr int MinimumWidth = 297;
  static constexpr int MinimumHeight = 455;
  static constexpr int CalculatorCount = 4;

  TMainForm();
  ~TMainForm() override;

  void FormCreate();
  // Each time the window becomes active: fills the tables that wait for it.
  void FormActivate();
  void FormDestroy();
  // Writes the settings kept between runs: at the end of a run, and when the session asks.
  void SaveSettings();
  void SelectCalculator(int index);
  void CalculatorItemClick(QObject* sender);
  void CalcImageButtonClick(QObject* sender);
  // Saves the table of the page shown (controls/TableSave.h).
  void FileSaveTableItemClick();
  void FileExitItemClick();
  // Enables Copy and Paste for the focused control; runs as the Edit menu opens.
  void EditMenuClick();
  // Hand the request to the focused control, which answers it in its own way.
  void EditCopyItemClick();
  void EditPasteItemClick();
  // The control the Edit menu acts on: the focused one or, while the menu bar
  // has the keyboard, the one that had the focus before.
  QWidget* EditFocus() const;
  // Opens the user guide in the browser: beside the program in its build
  // folder, or where it is installed.
  void HelpTopicsItemClick();
  void HelpGotoWebsiteActionClick();
  void HelpAboutActionExecute();

  std::uint8_t ActiveCalculator = 1;
  bool Loading = false;

  QFrame* MainMenuBevel;
  QFrame* CalcLogoPanel;
  QLabel* CalcLogoImage;
  QToolButton* CalcImageUpButton;
  QToolButton* CalcImageDnButton;
  QFrame* KestGroupLogoPanel;
  QToolButton* GotoWebsiteButton;
  QTabWidget* MainPageControl;
  QWidget* RadixerTabSheet;
  QWidget* IPSubnetTabSheet;
  QWidget* LatencyTabSheet;
  QWidget* PrefixTabSheet;

  QMenu* FileMenu;
  QAction* FileSaveTableItem;
  QAction* FileSaveTableSeparator;
  QAction* FileExitItem;
  QMenu* EditMenu;
  QAction* EditCopyItem;
  QAction* EditPasteItem;
  QMenu* CalculatorMenu;
  QAction* CalculatorRadixerItem;
  QAction* CalculatorIPSubnetItem;
  QAction* CalculatorLatencyItem;
  QAction* CalculatorPrefixItem;
  QMenu* OptionsMenu;
  QAction* OptionsAllow1SubnetBitItem;
  QMenu* HelpMenu;
  QAction* HelpContentsItem;
  QAction* HelpContentsSeparator;
  QAction* HelpTopicsItem;
  QAction* HelpSeparator1Item;
  QAction* HelpGotoWebsiteAction;
  QAction* SeparatorMenuItem2;
  QAction* HelpAboutAction;

  TRadixerCalculator* RadixerCalculator;
  TSubnetCalculator* SubnetCalculator;
  TLatencyCalculator* LatencyCalculator;
  TPrefixCalculator* PrefixCalculator;
  TAboutForm* AboutForm = nullptr;  // created on first use

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void CreateMenus();
  void CreateLogoPanels(QWidget* central);
  void PlaceLogoButtons();
  // Gives the focus to the first field of the calculator shown.
  void FocusFirstField();
  // The field whose label on the page shown has the mnemonic `key` of a menu, if any.
  QWidget* PageMnemonicField(const QKeySequence& key) const;
  std::array<QAction*, CalculatorCount> CalculatorItems() const;
  // Enables Save Table As while the page shown has a table.
  void UpdateSaveTableItem();

  QPointer<QWidget> FocusBeforeMenuBar;
};
