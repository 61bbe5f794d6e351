// SPDX-License-Identifier: MIT
#include "app/MainForm.h"

#include <QAccessibleWidget>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/About.h"
#include "app/CheckableMenuItem.h"
#include "app/FormPosition.h"
#include "app/StatusHintOverlay.h"
#include "controls/TableSave.h"
#include "latency/LatencyCalculator.h"
#include "platform/AccessibleEvents.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Hint.h"
#include "platform/PageTabs.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "prefix/PrefixCalculator.h"
#include "radix/RadixerCalculator.h"
#include "subnet/SubnetCalculator.h"

namespace {
struct TCalculatorInfo {
  const char* Logo;
  const char* LogoHint;
  const char* UpHint;
  const char* DownHint;
  int Up;
  int Down;
};

// The first three calculators cycle among themselves as they always have; the
// Prefix Calculator's arrows lead into that cycle, so no older arrow changes.
constexpr TCalculatorInfo Calculators[4] = {
    {"RADIXERCALCLOGO",
     "The Radixer Calculator performs useful functions with binary, decimal, hexadecimal, and octal numbers",
     "Click to change to the Latency Calculator", "Click to change to the Orvane Calculator", 2, 1},
    {"ORVANECALCLOGO", "The Orvane Calculator is a free utility that helps in learning and calculating IP subnets",
     "Click to change to the Radixer Calculator", "Click to change to the Latency Calculator", 0, 2},
    {"LATENCYCALCLOGO", "The Latency Calculator estimates response times for packets traversing a series of networks",
     "Click to change to the Orvane Calculator", "Click to change to the Radixer Calculator", 1, 0},
    {"PREFIXCALCLOGO", "The Prefix Calculator explains IPv4 and IPv6 addresses and the prefixes that hold them",
     "Click to change to the Latency Calculator", "Click to change to the Radixer Calculator", 2, 0},
};

// A panel of pictures: assistive technology meets it as a named panel, not as a frame.
class TLogoPanel : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;
};

QAccessibleInterface* LogoPanelAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("TLogoPanel") && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
  return nullptr;
}

QFrame* NewLogoPanel(QWidget* parent, const char* name, int width, int height) {
  static const bool factoryInstalled = (QAccessible::installFactory(LogoPanelAccessibleFactory), true);
  (void)factoryInstalled;
  auto* panel = new TLogoPanel(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::Box);
  panel->setFixedHeight(height);
  panel->setMinimumWidth(width);
  // White on every desktop: the logos are drawn for white, and on a dark
  // palette their dark lettering and arrows would vanish.
  panel->setAutoFillBackground(true);
  panel->setPalette(QPalette(QColor(Qt::white)));
  return panel;
}
}  // namespace

TMainForm::TMainForm() {
  InstallCheckableMenuItemAccessibility();
  setObjectName("MainForm");
  InstallVisibleStateEvents();
  qApp->installEventFilter(this);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setMinimumSize(MinimumWidth, MinimumHeight);
  // The window is laid out for a small dialog font; a larger desktop font would clip its pages.
  QFont small = font();
  if (small.pointSizeF() > 8) small.setPointSizeF(8);
  setFont(small);
  CreateMenus();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  MainMenuBevel = new QFrame(central);
  MainMenuBevel->setObjectName("MainMenuBevel");
  MainMenuBevel->setFrameShape(QFrame::HLine);
  MainMenuBevel->setFrameShadow(QFrame::Sunken);
  layout->addWidget(MainMenuBevel);
  CreateLogoPanels(central);
  auto* logos = new QHBoxLayout;
  logos->setContentsMargins(2, 0, 2, 0);
  logos->setSpacing(2);
  logos->addWidget(CalcLogoPanel, 1);
  logos->addWidget(KestGroupLogoPanel);
  layout->addLayout(logos);

  MainPageControl = new QTabWidget(central);
  MainPageControl->setObjectName("MainPageControl");
  MainPageControl->setDocumentMode(true);
  RadixerTabSheet = new QWidget;
  RadixerTabSheet->setObjectName("RadixerTabSheet");
  IPSubnetTabSheet = new QWidget;
  IPSubnetTabSheet->setObjectName("IPSubnetTabSheet");
  LatencyTabSheet = new QWidget;
  LatencyTabSheet->setObjectName("LatencyTabSheet");
  PrefixTabSheet = new QWidget;
  PrefixTabSheet->setObjectName("PrefixTabSheet");
  MainPageControl->addTab(RadixerTabSheet, "Radixer");
  MainPageControl->addTab(IPSubnetTabSheet, "IP Subnet");
  MainPageControl->addTab(LatencyTabSheet, "Latency");
  MainPageControl->addTab(PrefixTabSheet, "Prefix");
  layout->addWidget(MainPageControl, 1);
  setCentralWidget(central);

  auto fill = [](QWidget* sheet, QWidget* calculator) {
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->addWidget(calculator);
  };
  RadixerCalculator = new TRadixerCalculator(Loading, RadixerTabSheet);
  fill(RadixerTabSheet, RadixerCalculator);
  SubnetCalculator = new TSubnetCalculator(Loading, OptionsAllow1SubnetBitItem, IPSubnetTabSheet);
  fill(IPSubnetTabSheet, SubnetCalculator);
  LatencyCalculator = new TLatencyCalculator(Loading, EditCopyItem, LatencyTabSheet);
  fill(LatencyTabSheet, LatencyCalculator);
  PrefixCalculator = new TPrefixCalculator(PrefixTabSheet);
  fill(PrefixTabSheet, PrefixCalculator);
  for (QTabWidget* pages : central->findChildren<QTabWidget*>())
    if (pages != MainPageControl) KeepPageTabsInView(pages);

  statusBar()->setObjectName("MainStatusBar");
  statusBar()->setSizeGripEnabled(true);
  new TStatusHintOverlay(statusBar());
}

TMainForm::~TMainForm() { RunGuarded([this] { FormDestroy(); }); }

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  FileMenu = bar->addMenu("&File");
  FileMenu->setObjectName("FileMenu");
  connect(FileMenu, &QMenu::aboutToShow, this, Guarded([this] { UpdateSaveTableItem(); }));
  FileSaveTableItem =
      FileMenu->addAction("&Save Table As...", this, Guarded([this] { FileSaveTableItemClick(); }));
  FileSaveTableItem->setObjectName("FileSaveTableItem");
  FileSaveTableItem->setShortcut(QKeySequence("Ctrl+Shift+S"));
  FileSaveTableItem->setStatusTip("Save the table shown to a CSV or JSON file");
  FileSaveTableItem->setToolTip(FileSaveTableItem->statusTip());
  FileSaveTableItem->setEnabled(false);
  FileSaveTableSeparator = FileMenu->addSeparator();
  FileSaveTableSeparator->setObjectName("FileSaveTableSeparator");
  FileExitItem = FileMenu->addAction("E&xit", this, Guarded([this] { FileExitItemClick(); }));
  FileExitItem->setObjectName("FileExitItem");

  EditMenu = bar->addMenu("&Edit");
  EditMenu->setObjectName("EditMenu");
  connect(EditMenu, &QMenu::aboutToShow, this, Guarded([this] { EditMenuClick(); }));
  connect(qApp, &QApplication::focusChanged, this, [this, bar](QWidget* old, QWidget* now) {
    if (now == bar) FocusBeforeMenuBar = old;
  });
  EditCopyItem = EditMenu->addAction("&Copy", this, Guarded([this] { EditCopyItemClick(); }));
  EditCopyItem->setObjectName("EditCopyItem");
  EditCopyItem->setShortcut(QKeySequence("Ctrl+C"));
  EditPasteItem = EditMenu->addAction("&Paste", this, Guarded([this] { EditPasteItemClick(); }));
  EditPasteItem->setObjectName("EditPasteItem");
  EditPasteItem->setShortcut(QKeySequence("Ctrl+V"));

  CalculatorMenu = bar->addMenu("&Calculator");
  CalculatorMenu->setObjectName("CalculatorMenu");
  auto* calculators = new QActionGroup(this);
  auto addCalculator = [&](const char* name, const char* caption, const char* shortcut) {
    QAction* item = CalculatorMenu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(QKeySequence(shortcut));
    item->setCheckable(true);
    calculators->addAction(item);
    connect(item, &QAction::triggered, this, Guarded([this, item] { CalculatorItemClick(item); }));
    return item;
  };
  CalculatorRadixerItem = addCalculator("CalculatorRadixerItem", "&Radixer Calculator", "Ctrl+H");
  CalculatorIPSubnetItem = addCalculator("CalculatorIPSubnetItem", "&Orvane Calculator", "Ctrl+I");
  CalculatorLatencyItem = addCalculator("CalculatorLatencyItem", "&Latency Calculator", "Ctrl+L");
  CalculatorPrefixItem = addCalculator("CalculatorPrefixItem", "&Prefix Calculator", "Ctrl+P");
  CalculatorIPSubnetItem->setChecked(true);

  OptionsMenu = bar->addMenu("&Options");
  OptionsMenu->setObjectName("OptionsMenu");
  OptionsAllow1SubnetBitItem = OptionsMenu->addAction("Allow &1 Subnet Bit (RFC 1878)");
  OptionsAllow1SubnetBitItem->setObjectName("OptionsAllow1SubnetBitItem");
  OptionsAllow1SubnetBitItem->setCheckable(true);

  HelpMenu = bar->addMenu("&Help");
  HelpMenu->setObjectName("HelpMenu");
  // The user guide opens in the browser from Contents and F1; the help-file item stays hidden.
  HelpContentsItem = HelpMenu->addAction("&Contents", this, Guarded([this] { HelpTopicsItemClick(); }));
  HelpContentsItem->setObjectName("HelpContentsItem");
  HelpContentsItem->setShortcut(QKeySequence("F1"));
  HelpContentsSeparator = HelpMenu->addSeparator();
  HelpContentsSeparator->setObjectName("HelpContentsSeparator");
  HelpTopicsItem = HelpMenu->addAction("&Help Topics");
  HelpTopicsItem->setObjectName("HelpTopicsItem");
  HelpTopicsItem->setShortcut(QKeySequence("F1"));
  HelpSeparator1Item = HelpMenu->addSeparator();
  HelpSeparator1Item->setObjectName("HelpSeparator1Item");
  HelpGotoWebsiteAction = HelpMenu->addAction("Visit Kest Group's &Website...", this,
                                              Guarded([this] { HelpGotoWebsiteActionClick(); }));
  HelpGotoWebsiteAction->setObjectName("HelpGotoWebsiteAction");
  HelpGotoWebsiteAction->setStatusTip("Click to visit Kest Group's website");
  HelpGotoWebsiteAction->setToolTip("Click to visit Kest Group's website");
  HelpGotoWebsiteAction->setProperty("category", "Help");
  SeparatorMenuItem2 = HelpMenu->addSeparator();
  SeparatorMenuItem2->setObjectName("SeparatorMenuItem2");
  HelpAboutAction = HelpMenu->addAction("&About...", this, Guarded([this] { HelpAboutActionExecute(); }));
  HelpAboutAction->setObjectName("HelpAboutAction");
  HelpAboutAction->setProperty("category", "Help");
}

void TMainForm::CreateLogoPanels(QWidget* central) {
  CalcLogoPanel = NewLogoPanel(central, "CalcLogoPanel", 181, 73);
  CalcLogoImage = new QLabel(CalcLogoPanel);
  CalcLogoImage->setObjectName("CalcLogoImage");
  CalcLogoImage->setAlignment(Qt::AlignCenter);
  auto* logoLayout = new QVBoxLayout(CalcLogoPanel);
  logoLayout->setContentsMargins(1, 1, 1, 1);
  logoLayout->addWidget(CalcLogoImage);
  auto newArrow = [this](const char* name, const char* glyph) {
    auto* button = new QToolButton(CalcLogoPanel);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(QIcon(LoadBitmapResource(glyph)));
    button->setIconSize(QSize(9, 9));
    button->resize(17, 17);
    // Decorations: the mouse and assistive technology's press action reach them, Tab does not.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, Guarded([this, button] { CalcImageButtonClick(button); }));
    return button;
  };
  CalcImageUpButton = newArrow("CalcImageUpButton", "ARROWUP");
  CalcImageDnButton = newArrow("CalcImageDnButton", "ARROWDOWN");
  CalcLogoPanel->installEventFilter(this);

  KestGroupLogoPanel = NewLogoPanel(central, "KestGroupLogoPanel", 85, 73);
  KestGroupLogoPanel->setFixedWidth(85);
  KestGroupLogoPanel->setCursor(Qt::PointingHandCursor);
  KestGroupLogoPanel->setAccessibleName("Kest Group");
  GotoWebsiteButton = new QToolButton(KestGroupLogoPanel);
  GotoWebsiteButton->setObjectName("GotoWebsiteButton");
  GotoWebsiteButton->setAutoRaise(true);
  GotoWebsiteButton->setFocusPolicy(Qt::NoFocus);
  GotoWebsiteButton->setText(HelpGotoWebsiteAction->text());
  GotoWebsiteButton->setIcon(QIcon(LoadBitmapResource("KESTGROUPLOGO")));
  GotoWebsiteButton->setIconSize(QSize(64, 56));
  GotoWebsiteButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  GotoWebsiteButton->setAccessibleName("Kest Group's website");
  SetHint(GotoWebsiteButton, HelpGotoWebsiteAction->statusTip());
  connect(GotoWebsiteButton, &QToolButton::clicked, HelpGotoWebsiteAction, &QAction::trigger);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  // The arrow buttons keep to the logo panel's right corners as the window widens.
  if (watched == CalcLogoPanel && event->type() == QEvent::Resize) PlaceLogoButtons();
  // An Alt chord that a field on the page shown shares with a menu (Alt+F for From and
  // File) would go to each in turn; the field keeps it, as on the desktop the menu was
  // made for. Taken before the shortcuts see it, so the menu bar never takes the keyboard.
  const QEvent::Type type = event->type();
  // The table shown may have changed since the menu last opened: checked before a shortcut is looked up.
  if (type == QEvent::ShortcutOverride) UpdateSaveTableItem();
  // Ctrl+Tab from a field above a calculator's pages reaches the hidden calculator tabs, which would
  // change the calculator behind the logo's back: it turns the shown calculator's pages instead.
  if (watched == MainPageControl && type == QEvent::KeyPress &&
      (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier)) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      if (QTabWidget* pages = MainPageControl->currentWidget()->findChild<QTabWidget*>())
        QCoreApplication::sendEvent(pages, event);
      return true;
    }
  }
  if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    if (QWidget* field = PageMnemonicField(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
      if (type == QEvent::KeyPress) field->setFocus(Qt::ShortcutFocusReason);
      event->accept();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RunGuarded([this] { FormActivate(); });
  QMainWindow::changeEvent(event);
}

QWidget* TMainForm::PageMnemonicField(const QKeySequence& key) const {
  const QList<QAction*> menus = menuBar()->actions();
  if (std::none_of(menus.begin(), menus.end(), [&key](QAction* menu) { return QKeySequence::mnemonic(menu->text()) == key; }))
    return nullptr;
  for (QLabel* label : MainPageControl->currentWidget()->findChildren<QLabel*>())
    if (label->buddy() && label->isVisible() && label->isEnabled() && QKeySequence::mnemonic(label->text()) == key)
      return label->buddy();
  return nullptr;
}

void TMainForm::FocusFirstField() {
  // The first Tab stop of the calculator that is neither one of its page tabs nor a small command button.
  QWidget* sheet = MainPageControl->currentWidget();
  for (QWidget* w = sheet->nextInFocusChain(); w != sheet; w = w->nextInFocusChain()) {
    if (sheet->isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
        !qobject_cast<QTabBar*>(w) && !qobject_cast<QTabWidget*>(w) && !qobject_cast<QToolButton*>(w)) {
      w->setFocus(Qt::OtherFocusReason);
      // What is typed next replaces the remembered input rather than adding to it.
      if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
      return;
    }
  }
}

void TMainForm::PlaceLogoButtons() {
  const QRect client = CalcLogoPanel->contentsRect();
  const QSize size = CalcImageUpButton->size();
  CalcImageUpButton->setGeometry(client.right() + 1 - size.width(), client.top(), size.width(), size.height());
  CalcImageDnButton->setGeometry(client.right() + 1 - size.width(), client.bottom() + 1 - size.height(),
                                 size.width(), size.height());
  CalcImageUpButton->raise();
  CalcImageDnButton->raise();
}

void TMainForm::FormCreate() {
  setWindowTitle(ApplicationTitle);
  PlaceLogoButtons();
  GotoWebsiteButton->setGeometry(KestGroupLogoPanel->contentsRect());
  GotoWebsiteButton->setText(QString());
  GotoWebsiteButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
  MainPageControl->tabBar()->hide();
  // Tab would give the focus to the hidden tab bar, which cannot take it, and stop there.
  MainPageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
  HelpTopicsItem->setVisible(false);
  HelpSeparator1Item->setVisible(false);

  TRegistry settings;
  settings.OpenKey(SettingsKey, true);
  Loading = true;
  RunGuarded([&] {
    SubnetCalculator->LoadSettings(SettingsKey);
    RadixerCalculator->InitRadixerCalculator();
    RadixerCalculator->LoadSettings(SettingsKey);
    LatencyCalculator->InitLatencyCalculator();
    PrefixCalculator->LoadSettings(SettingsKey);
    if (!LoadFormPosition(this, SettingsKey, "Position")) resize(MinimumWidth, MinimumHeight);
    SelectCalculator(1);
  });
  Loading = false;
  settings.CloseKey();
}

void TMainForm::FormActivate() {
  RadixerCalculator->FillLookupTable();
  SubnetCalculator->UpdateSubnetHostTable();
}

void TMainForm::FormDestroy() { SaveSettings(); }

void TMainForm::SaveSettings() {
  // One save of the settings file for all values: other programs' keys may make it
  // large. Opening the settings key first reads the file once for all its subkeys.
  TRegistry settings;
  settings.OpenKey(SettingsKey, true);
  TRegistryBatch batch;
  SubnetCalculator->SaveSettings(SettingsKey);
  RadixerCalculator->SaveSettings(SettingsKey);
  PrefixCalculator->SaveSettings(SettingsKey);
  SaveFormPosition(this, SettingsKey, "Position");
  try {
    batch.Save();
  } catch (const ERegistryException&) {
    // Settings that cannot be saved are dropped without a message, so that
    // closing the program never stops at a question it cannot act on.
  }
}

std::array<QAction*, TMainForm::CalculatorCount> TMainForm::CalculatorItems() const {
  return {CalculatorRadixerItem, CalculatorIPSubnetItem, CalculatorLatencyItem, CalculatorPrefixItem};
}

void TMainForm::SelectCalculator(int index) {
  ActiveCalculator = static_cast<std::uint8_t>(index);
  CalculatorItems()[static_cast<std::size_t>(index)]->setChecked(true);
  OptionsMenu->setEnabled(index == 1);
  const TCalculatorInfo& info = Calculators[index];
  SetHint(CalcLogoPanel, info.LogoHint);
  CalcLogoImage->setPixmap(LoadBitmapResource(info.Logo));
  CalcLogoImage->setAccessibleName(info.LogoHint);
  SetHint(CalcImageUpButton, info.UpHint);
  CalcImageUpButton->setAccessibleName(info.UpHint);
  SetHint(CalcImageDnButton, info.DownHint);
  CalcImageDnButton->setAccessibleName(info.DownHint);
  CalcLogoPanel->setAccessibleName(CalculatorItems()[static_cast<std::size_t>(index)]->text().remove('&'));
  MainPageControl->setCurrentIndex(index);
  FocusFirstField();
}

void TMainForm::CalculatorItemClick(QObject* sender) {
  const auto items = CalculatorItems();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (sender == items[i]) SelectCalculator(static_cast<int>(i));
}

void TMainForm::CalcImageButtonClick(QObject* sender) {
  if (sender == CalcImageUpButton)
    SelectCalculator(Calculators[ActiveCalculator].Up);
  else if (sender == CalcImageDnButton)
    SelectCalculator(Calculators[ActiveCalculator].Down);
  else
    SelectCalculator(1);
}

void TMainForm::UpdateSaveTableItem() {
  FileSaveTableItem->setEnabled(ShownTable(MainPageControl->currentWidget(), EditFocus()) != nullptr);
}

void TMainForm::FileSaveTableItemClick() {
  if (const TStringGrid* grid = ShownTable(MainPageControl->currentWidget(), EditFocus()))
    SaveTableAs(*grid, SettingsKey);
}

void TMainForm::FileExitItemClick() { close(); }

void TMainForm::HelpTopicsItemClick() {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  for (const char* place : {"doc/guide.html", ORVANE_INSTALLED_GUIDE}) {
    if (programFolder.exists(place)) {
      OpenDocument(QUrl::fromLocalFile(QDir::cleanPath(programFolder.absoluteFilePath(place))).toString());
      return;
    }
  }
  MessageBox("The user guide (guide.html) is not installed with the program.", ApplicationTitle,
             MB_OK | MB_ICONINFORMATION);
}

void TMainForm::HelpGotoWebsiteActionClick() { OpenDocument(WebsiteAddress); }

void TMainForm::HelpAboutActionExecute() {
  // One dialog for the run: it keeps whichever of picture and credits the user left showing.
  if (!AboutForm) AboutForm = new TAboutForm(this);
  AboutForm->show();
  AboutForm->raise();
  AboutForm->activateWindow();
}

#include "MainForm.moc"
