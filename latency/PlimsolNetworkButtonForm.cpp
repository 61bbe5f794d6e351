// SPDX-License-Identifier: MIT
#include "latency/PlimsolNetworkButtonForm.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <climits>
#include <stdexcept>

#include "controls/KestSpinEdit.h"
#include "latency/LatencyFormat.h"
#include "latency/LinkDistance.h"
#include "latency/LinkPresets.h"
#include "latency/PlimsolNetworkButton.h"
#include "platform/Application.h"
#include "platform/EditComboBox.h"
#include "platform/ValueComboBox.h"

namespace {
constexpr int ClientWidth = 225;
// The network layout also shows the link panel at the right.
constexpr int LinkPanelWidth = 180;
// The title bar is the window manager's, so the client area is what remains
// of the form's 196 (network) and 164 (host) pixels.
constexpr int NetworkClientHeight = 169;
constexpr int HostClientHeight = 137;
constexpr int NetworkButtonTop = 136;
constexpr int HostButtonTop = 104;
const char* const UnknownTopology = "<Unknown Topology>";
const char* const DesignBandwidths[] = {"0.056", "0.064", "0.512", "1.544",  "4",      "6.312",
                                        "10",    "16",    "25",    "44.736", "100",    "155.52",
                                        "274.176", "622.08", "800", "1000",  "1600"};

std::string Separator() { return QLocale().decimalPoint().toStdString(); }

QString ListText(double bandwidth) { return QString::fromStdString(FormatGeneral(bandwidth, 15, Separator())); }
QString ElementText(double bandwidth) { return QString::fromStdString(FormatGeneral(bandwidth, 6, Separator())); }

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QPointer<TNetworkButtonForm>& Instance() {
  static QPointer<TNetworkButtonForm> form;
  return form;
}

QLabel* NewLabel(QWidget* parent, const QString& caption, QWidget* buddy, QPoint at) {
  auto* label = new QLabel(caption, parent);
  label->move(at);
  label->setBuddy(buddy);
  const QString name = QString(caption).remove('&');
  buddy->setAccessibleName(name);
  // On Linux Qt names an editable list after its text; the field inside it is what a screen reader meets.
  if (auto* list = qobject_cast<QComboBox*>(buddy); list && list->lineEdit()) list->lineEdit()->setAccessibleName(name);
  return label;
}

TBetterSpinEdit* NewSpinEdit(QWidget* parent, const char* name, QPoint at) {
  auto* edit = new TBetterSpinEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(at.x(), at.y(), 157, edit->height());
  edit->SetMinValue(0);
  edit->SetMaxValue(INT_MAX);
  return edit;
}
}  // namespace

TNetworkButtonForm* GetNetworkButtonForm(bool create, QWidget* owner) {
  if (!Instance() && create) Instance() = new TNetworkButtonForm(owner);
  return Instance();
}

TNetworkButtonForm::TNetworkButtonForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("NetworkButtonForm");
  setWindowTitle("Properties");
  setModal(false);

  NetworkPanel = new QWidget(this);
  NetworkPanel->setObjectName("NetworkPanel");
  NetworkPanel->setGeometry(32, 0, 161, 129);
  TopologyComboBox = new TEditComboBox(NetworkPanel);
  TopologyComboBox->setObjectName("TopologyComboBox");
  TopologyComboBox->setGeometry(4, 20, 157, TopologyComboBox->sizeHint().height());
  for (const TTopologyEntry& entry : TopologyEntries())
    TopologyComboBox->addItem(QString::fromUtf8(entry.Text.data(), static_cast<qsizetype>(entry.Text.size())));
  TopologyComboBox->addItem(" ");
  TopologyComboBox->setCurrentIndex(-1);
  TopologyComboBox->setEditText(UnknownTopology);
  Label1 = NewLabel(NetworkPanel, "&Topology", TopologyComboBox, {4, 4});
  Label1->setObjectName("Label1");
  BandwidthComboBox = new TEditComboBox(NetworkPanel);
  BandwidthComboBox->setObjectName("BandwidthComboBox");
  BandwidthComboBox->setGeometry(4, 60, 157, BandwidthComboBox->sizeHint().height());
  for (const char* text : DesignBandwidths) BandwidthComboBox->addItem(QString(text).replace('.', QLocale().decimalPoint()));
  BandwidthComboBox->setCurrentIndex(0);
  Label2 = NewLabel(NetworkPanel, "&Bandwidth (Mbps)", BandwidthComboBox, {4, 44});
  Label2->setObjectName("Label2");
  PropDelaySpinEdit = NewSpinEdit(NetworkPanel, "PropDelaySpinEdit", {4, 100});
  PropDelaySpinEdit->setEnabled(false);
  PropDelayLabel = NewLabel(NetworkPanel, "Propagation &Delay (ms)", PropDelaySpinEdit, {4, 84});
  PropDelayLabel->setObjectName("PropDelayLabel");
  PropDelayLabel->setEnabled(false);

  LinkPanel = new QWidget(this);
  LinkPanel->setObjectName("LinkPanel");
  LinkPanel->setGeometry(ClientWidth, 0, LinkPanelWidth, 129);
  PresetComboBox = new TValueComboBox(LinkPanel);
  PresetComboBox->setObjectName("PresetComboBox");
  PresetComboBox->setGeometry(4, 20, 157, PresetComboBox->sizeHint().height());
  const auto presets = LinkPresets();
  for (std::size_t i = 0; i < presets.size(); ++i)
    PresetComboBox->AddItem(Utf8(presets[i].Name), static_cast<std::uint32_t>(i));
  PresetComboBox->SetItemIndex(-1);
  PresetComboBox->OnClick = [this](QObject*) { PresetComboBoxClick(); };
  PresetLabel = NewLabel(LinkPanel, "P&reset", PresetComboBox, {4, 4});
  PresetLabel->setObjectName("PresetLabel");
  MediumComboBox = new TValueComboBox(LinkPanel);
  MediumComboBox->setObjectName("MediumComboBox");
  MediumComboBox->setGeometry(4, 60, 157, MediumComboBox->sizeHint().height());
  for (const TMediumInfo& medium : Media())
    MediumComboBox->AddItem(Utf8(medium.Name), static_cast<std::uint32_t>(medium.Medium));
  MediumComboBox->SetItemIndex(0);
  MediumComboBox->OnClick = [this](QObject*) { DistanceChange(); };
  MediumLabel = NewLabel(LinkPanel, "&Medium", MediumComboBox, {4, 44});
  MediumLabel->setObjectName("MediumLabel");
  DistanceSpinEdit = NewSpinEdit(LinkPanel, "DistanceSpinEdit", {4, 100});
  DistanceSpinEdit->resize(80, DistanceSpinEdit->height());
  DistanceSpinEdit->OnChange = [this](QObject*) { DistanceChange(); };
  DistanceLabel = NewLabel(LinkPanel, "Dista&nce (km)", DistanceSpinEdit, {4, 84});
  DistanceLabel->setObjectName("DistanceLabel");
  // A value to read rather than a caption: a field without a frame that Tab reaches but typing cannot change.
  ExactDelayEdit = new QLineEdit(LinkPanel);
  ExactDelayEdit->setObjectName("ExactDelayEdit");
  ExactDelayEdit->setAccessibleName("Exact delay");
  ExactDelayEdit->setReadOnly(true);
  ExactDelayEdit->setFrame(false);
  ExactDelayEdit->setStyleSheet("QLineEdit { background: transparent; }");
  ExactDelayEdit->setGeometry(88, 100, LinkPanelWidth - 88, DistanceSpinEdit->height());

  StationPanel = new QWidget(this);
  StationPanel->setObjectName("StationPanel");
  StationPanel->setGeometry(32, 136, 161, 97);
  StationPanel->hide();
  ProcessTimeSpinEdit = NewSpinEdit(StationPanel, "ProcessTimeSpinEdit", {4, 20});
  ProcessTimeLabel = NewLabel(StationPanel, "Process &Time (ms)", ProcessTimeSpinEdit, {4, 4});
  ProcessTimeLabel->setObjectName("ProcessTimeLabel");
  PacketSizeSpinEdit = NewSpinEdit(StationPanel, "PacketSizeSpinEdit", {4, 68});
  PacketSizeSpinEdit->SetValue(512);
  PacketSizeLabel = NewLabel(StationPanel, "Packet &Size (bytes)", PacketSizeSpinEdit, {4, 52});
  PacketSizeLabel->setObjectName("PacketSizeLabel");

  const auto newButton = [this](const char* name, const QString& caption, int left) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(left, NetworkButtonTop, 65, 25);
    button->setAutoDefault(false);
    // A failure (a bandwidth that is no number) is shown, and the dialog stays open.
    connect(button, &QPushButton::clicked, this, Guarded([this, button] { ButtonClick(button); }));
    return button;
  };
  OKButton = newButton("OKButton", "&OK", 8);
  OKButton->setDefault(true);
  CancelButton = newButton("CancelButton", "&Cancel", 80);
  ApplyButton = newButton("ApplyButton", "&Apply", 152);

  setTabOrder(TopologyComboBox, BandwidthComboBox);
  setTabOrder(BandwidthComboBox, PropDelaySpinEdit);
  setTabOrder(PropDelaySpinEdit, PresetComboBox);
  setTabOrder(PresetComboBox, MediumComboBox);
  setTabOrder(MediumComboBox, DistanceSpinEdit);
  setTabOrder(DistanceSpinEdit, ExactDelayEdit);
  setTabOrder(ExactDelayEdit, ProcessTimeSpinEdit);
  setTabOrder(ProcessTimeSpinEdit, PacketSizeSpinEdit);
  setTabOrder(PacketSizeSpinEdit, OKButton);
  setTabOrder(OKButton, CancelButton);
  setTabOrder(CancelButton, ApplyButton);

  connect(TopologyComboBox, &QComboBox::activated, this, Guarded([this] { TopologyComboBoxChange(); }));
  connect(TopologyComboBox->lineEdit(), &QLineEdit::textEdited, this, Guarded([this] { TopologyComboBoxChange(); }));
  for (QComboBox* combo : {TopologyComboBox, BandwidthComboBox}) {
    combo->installEventFilter(this);
    combo->lineEdit()->installEventFilter(this);
  }
  FormCreate();
}

void TNetworkButtonForm::FormCreate() {
  StationPanel->move(StationPanel->x(), 0);
  ArrangeFor(false);
}

void TNetworkButtonForm::ArrangeFor(bool host) {
  const int top = host ? HostButtonTop : NetworkButtonTop;
  for (QPushButton* button : {OKButton, CancelButton, ApplyButton}) button->move(button->x(), top);
  setFixedSize(host ? ClientWidth : ClientWidth + LinkPanelWidth, host ? HostClientHeight : NetworkClientHeight);
}

void TNetworkButtonForm::SetKind(TNetworkButtonKind kind) {
  if (kind == CurrentKind) return;
  FillBandwidthList(kind);
  const TNetworkKindInfo& info = KindInfo(kind);
  const bool host = info.PropDelaySetup == TPropDelaySetup::HostFields;
  ArrangeFor(host);
  if (host) {
    PropDelaySpinEdit->SetValue(0);
  } else {
    const bool editable = info.PropDelaySetup != TPropDelaySetup::Disabled;
    PropDelayLabel->setEnabled(editable);
    PropDelaySpinEdit->setEnabled(editable);
    if (!editable) PropDelaySpinEdit->SetValue(0);
    if (info.PropDelaySetup == TPropDelaySetup::EditableSet) PropDelaySpinEdit->SetValue(info.DefaultPropDelay);
  }
  StationPanel->setVisible(host);
  NetworkPanel->setVisible(!host);
  LinkPanel->setVisible(!host);
  // A distance gives a delay only where the kind has one.
  for (QWidget* field : {static_cast<QWidget*>(MediumLabel), static_cast<QWidget*>(MediumComboBox),
                         static_cast<QWidget*>(DistanceLabel), static_cast<QWidget*>(DistanceSpinEdit),
                         static_cast<QWidget*>(ExactDelayEdit)})
    field->setEnabled(PropDelaySpinEdit->isEnabled());
  CurrentKind = kind;
}

void TNetworkButtonForm::FillBandwidthList(TNetworkButtonKind kind) {
  BandwidthComboBox->clear();
  for (double bandwidth : KindInfo(kind).Bandwidths) BandwidthComboBox->addItem(ListText(bandwidth));
}

void TNetworkButtonForm::SelectBandwidth(const QString& text) {
  int index = BandwidthComboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) {
    BandwidthComboBox->addItem(text);
    index = BandwidthComboBox->count() - 1;
  }
  BandwidthComboBox->setCurrentIndex(index);
}

void TNetworkButtonForm::ShowFor(TNetworkButton* element) {
  Element = element;
  SetKind(element->NetworkButtonKind());
  SelectBandwidth(ElementText(element->Bandwidth()));
  setWindowTitle(element->NetworkName() + " Properties");
  PresetComboBox->SetItemIndex(-1);
  DistanceSpinEdit->SetValue(0);
  PacketSizeSpinEdit->SetValue(element->PacketSize());
  ProcessTimeSpinEdit->SetValue(element->ProcessTime());
  PropDelaySpinEdit->SetValue(element->PropDelay());
  if (element->TopologyIndex() == -1)
    element->SetTopologyIndex(static_cast<std::int16_t>(
        TopologyComboBox->findText(element->NetworkName(), Qt::MatchExactly | Qt::MatchCaseSensitive)));
  if (element->TopologyIndex() == -1) {
    TopologyComboBox->setCurrentIndex(-1);
    TopologyComboBox->setEditText(UnknownTopology);
  } else {
    TopologyComboBox->setCurrentIndex(element->TopologyIndex());
  }
  ChangedTopology = TopologyComboBox->currentIndex();
  show();
  raise();
  activateWindow();
}

void TNetworkButtonForm::ButtonClick(QObject* sender) {
  if ((sender == OKButton || sender == ApplyButton) && Element) {
    if (IsHostKind(Element->NetworkButtonKind())) {
      Element->SetPacketSize(PacketSizeSpinEdit->Value());
      Element->SetProcessTime(ProcessTimeSpinEdit->Value());
    } else {
      const QString text = BandwidthComboBox->currentText();
      const std::optional<double> bandwidth = ParseDecimal(text.toStdString(), Separator());
      if (!bandwidth) throw std::invalid_argument("'" + text.toStdString() + "' is not a valid floating point value");
      Element->SetBandwidth(*bandwidth);
      Element->SetNetworkButtonKind(CurrentKind);
      const int topology = SelectedTopology();
      Element->SetNetworkName(topology >= 0 ? TopologyComboBox->itemText(topology) : TopologyComboBox->currentText());
      Element->SetTopologyIndex(static_cast<std::int16_t>(topology));
      Element->SetPropDelay(PropDelaySpinEdit->Value());
    }
    Element->UpdateHint();
    DoApply();
  }
  if (sender == OKButton || sender == CancelButton) hide();
}

void TNetworkButtonForm::DoApply() {
  if (OnApply) OnApply(this);
}

int TNetworkButtonForm::SelectedTopology() const {
  // A typed name is the entry it spells, whatever the case: "token ring" is Token Ring.
  return TopologyComboBox->findText(TopologyComboBox->currentText(), Qt::MatchFixedString);
}

void TNetworkButtonForm::TopologyComboBoxChange() {
  const int index = SelectedTopology();
  ChangedTopology = index;
  const auto entries = TopologyEntries();
  if (index >= 0 && index < static_cast<int>(entries.size())) {
    SetKind(entries[index].Kind);
    SelectBandwidth(ListText(entries[index].DefaultBandwidth));
  } else {
    SetKind(nbOther);
    BandwidthComboBox->setEditText("0");
  }
  if (!IsHostKind(CurrentKind)) setWindowTitle(TopologyComboBox->currentText() + " Properties");
}

void TNetworkButtonForm::TopologyComboBoxExit() {
  const QString text = TopologyComboBox->currentText();
  const int index = SelectedTopology();
  if (index >= 0) {
    TopologyComboBox->setCurrentIndex(index);
    // Completion fills in an entry without an edit of the user's, so its kind may not be set up yet.
    if (index != ChangedTopology) TopologyComboBoxChange();
  } else if (text.isEmpty()) {
    TopologyComboBox->setEditText(UnknownTopology);
  } else if (text != UnknownTopology) {
    // A typed name counts as an "other" topology from now on.
    TopologyComboBox->addItem(text);
    TopologyComboBox->setCurrentIndex(TopologyComboBox->count() - 1);
    ChangedTopology = TopologyComboBox->currentIndex();
  }
}

void TNetworkButtonForm::PresetComboBoxClick() {
  const std::int64_t index = PresetComboBox->SelectedValue();
  if (index < 0) return;
  const TLinkPreset& preset = LinkPresets()[static_cast<std::size_t>(index)];
  // Its name is none of the list's, so it is taken as a name the user typed.
  TopologyComboBox->setEditText(Utf8(preset.Name));
  TopologyComboBoxExit();
  TopologyComboBoxChange();
  SelectBandwidth(ListText(preset.Bandwidth));
  DistanceSpinEdit->SetValue(0);
  PropDelaySpinEdit->SetValue(preset.PropDelay);
}

void TNetworkButtonForm::DistanceChange() {
  const std::int32_t km = DistanceSpinEdit->Value();
  if (km == 0) {
    ExactDelayEdit->clear();
    return;
  }
  const auto medium = static_cast<TMedium>(MediumComboBox->SelectedValue());
  const double exact = PropagationDelayMs(km, medium);
  ExactDelayEdit->setText("= " + QString::fromStdString(FormatFixed(exact, 15, 3, Separator())) + " ms");
  PropDelaySpinEdit->SetValue(WholeMilliseconds(exact));
}

void TNetworkButtonForm::BandwidthComboBoxExit() {
  const QString text = BandwidthComboBox->currentText();
  if (text.isEmpty() || text == "0") {
    BandwidthComboBox->setEditText("0");
  } else if (BandwidthComboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
    BandwidthComboBox->addItem(text);
    BandwidthComboBox->setEditText(text);
  }
}

bool TNetworkButtonForm::eventFilter(QObject* watched, QEvent* event) {
  const bool topology = watched == TopologyComboBox || watched == TopologyComboBox->lineEdit();
  if (event->type() == QEvent::FocusOut && (watched == TopologyComboBox || watched == BandwidthComboBox)) {
    if (topology)
      TopologyComboBoxExit();
    else
      BandwidthComboBoxExit();
  } else if (event->type() == QEvent::KeyPress &&
             (topology || watched == BandwidthComboBox || watched == BandwidthComboBox->lineEdit())) {
    // Keys reach the list itself, which has the focus and hands them to its field past any filter.
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      // Enter confirms the list's text instead of pressing OK.
      if (topology)
        TopologyComboBoxExit();
      else
        BandwidthComboBoxExit();
      return true;
    }
    // The bandwidth takes digits, the decimal separator and control characters only.
    const QString typed = key->text();
    if (!topology && typed.size() == 1) {
      const char16_t c = typed[0].unicode();
      const bool passes = (c < 128 && (IsControlChar(static_cast<char>(c)) || IsDecimalChar(static_cast<char>(c)))) ||
                          c == 127 || typed == QLocale().decimalPoint();
      if (!passes) return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
