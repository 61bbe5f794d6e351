#include "app/MainForm.h"

#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/About.h"
#include "app/FormPosition.h"
#include "latency/LatencyCalculator.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/PageTabs.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "radix/RadixerCalculator.h"
#include "subnet/SubnetCalculator.h"

namespace {
struct TCalculatorInfo {
  const char* Logo;
  const char* LogoHint;
  const char* UpHint;
  const char* DownHint;
};

constexpr TCalculatorInfo Calculators[3] = {
    {"RADIXERCALCLOGO",
     "The Radixer Calculator performs useful functions with binary, decimal, hexadecimal, and octal numbers",
     "Click to change to the Latency Calculator", "Click to change to the Orvane Calculator"},
    {"ORVANECALCLOGO", "The Orvane Calculator is a free utility that helps in learning and calculating IP subnets",
     "Click to change to the Radixer Calculator", "Click to change to the Latency Calculator"},
    {"LATENCYCALCLOGO", "The Latency Calculator estimates response times for packets traversing a series of networks",
     "Click to change to the Orvane Calculator", "Click to change to the Radixer Calculator"},
};

QFrame* NewLogoPanel(QWidget* parent, const char* name, int width, int height) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::Box);
  panel->setFixedHeight(height);
  panel->setMinimumWidth(width);
  // White on a light desktop; on a dark one the panels do not glare.
  panel->setAutoFillBackground(true);
  panel->setBackgroundRole(QPalette::Base);
  return panel;
}
}  // namespace

TMainForm::TMainForm() {
  setObjectName("MainForm");
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
  MainPageControl->addTab(RadixerTabSheet, "Radixer");
  MainPageControl->addTab(IPSubnetTabSheet, "IP Subnet");
  MainPageControl->addTab(LatencyTabSheet, "Latency");
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
  for (QTabWidget* pages : central->findChildren<QTabWidget*>())
    if (pages != MainPageControl) KeepPageTabsInView(pages);

  statusBar()->setObjectName("MainStatusBar");
  statusBar()->setSizeGripEnabled(true);
}

TMainForm::~TMainForm() { RunGuarded([this] { FormDestroy(); }); }

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  FileMenu = bar->addMenu("&File");
  FileMenu->setObjectName("FileMenu");
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
  CalculatorIPSubnetItem->setChecked(true);

  OptionsMenu = bar->addMenu("&Options");
  OptionsMenu->setObjectName("OptionsMenu");
  OptionsAllow1SubnetBitItem = OptionsMenu->addAction("Allow &1 Subnet Bit (RFC 1878)");
  OptionsAllow1SubnetBitItem->setObjectName("OptionsAllow1SubnetBitItem");
  OptionsAllow1SubnetBitItem->setCheckable(true);

  HelpMenu = bar->addMenu("&Help");
  HelpMenu->setObjectName("HelpMenu");
  // No help file ships with the program: the item stays hidden, and so does its F1 shortcut.
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
    connect(button, &QToolButton::clicked, this, Guarded([this, button] { CalcImageButtonClick(button); }));
    return button;
  };
  CalcImageUpButton = newArrow("CalcImageUpButton", "ARROWUP");
  CalcImageDnButton = newArrow("CalcImageDnButton", "ARROWDOWN");
  CalcLogoPanel->installEventFilter(this);

  KestGroupLogoPanel = NewLogoPanel(central, "KestGroupLogoPanel", 85, 73);
  KestGroupLogoPanel->setFixedWidth(85);
  KestGroupLogoPanel->setCursor(Qt::PointingHandCursor);
  GotoWebsiteButton = new QToolButton(KestGroupLogoPanel);
  GotoWebsiteButton->setObjectName("GotoWebsiteButton");
  GotoWebsiteButton->setAutoRaise(true);
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
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RunGuarded([this] { FormActivate(); });
  QMainWindow::changeEvent(event);
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

void TMainForm::FormDestroy() {
  // One save of the settings file for all values: other programs' keys may make it
  // large. Opening the settings key first reads the file once for all its subkeys.
  TRegistry settings;
  settings.OpenKey(SettingsKey, true);
  TRegistryBatch batch;
  SubnetCalculator->SaveSettings(SettingsKey);
  RadixerCalculator->SaveSettings(SettingsKey);
  SaveFormPosition(this, SettingsKey, "Position");
  try {
    batch.Save();
  } catch (const ERegistryException&) {
    // Settings that cannot be saved are dropped without a message, so that
    // closing the program never stops at a question it cannot act on.
  }
}

std::array<QAction*, 3> TMainForm::CalculatorItems() const {
  return {CalculatorRadixerItem, CalculatorIPSubnetItem, CalculatorLatencyItem};
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
  MainPageControl->setCurrentIndex(index);
}

void TMainForm::CalculatorItemClick(QObject* sender) {
  const auto items = CalculatorItems();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (sender == items[i]) SelectCalculator(static_cast<int>(i));
}

void TMainForm::CalcImageButtonClick(QObject* sender) {
  if (sender == CalcImageUpButton)
    SelectCalculator((ActiveCalculator + 2) % 3);
  else if (sender == CalcImageDnButton)
    SelectCalculator((ActiveCalculator + 1) % 3);
  else
    SelectCalculator(1);
}

void TMainForm::FileExitItemClick() { close(); }

void TMainForm::HelpGotoWebsiteActionClick() { OpenDocument(WebsiteAddress); }

void TMainForm::HelpAboutActionExecute() {
  // One dialog for the run: it keeps whichever of picture and credits the user left showing.
  if (!AboutForm) AboutForm = new TAboutForm(this);
  AboutForm->show();
  AboutForm->raise();
  AboutForm->activateWindow();
}
