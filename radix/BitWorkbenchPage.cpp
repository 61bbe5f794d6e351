// SPDX-License-Identifier: MIT
#include "radix/BitWorkbenchPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/ClipboardButton.h"
#include "controls/KestLabel.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
#include "platform/Registry.h"
#include "radix/BitGrid.h"
#include "radix/Ieee754.h"
#include "radix/RadixerPageParts.h"

namespace {
constexpr const char* WorkbenchKey = "\\Bit Workbench";
constexpr int WidthChoices[] = {8, 16, 32, 64};

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

TKestLabel* NewLabel(QWidget* page, const QString& caption, QWidget* control) {
  auto* label = new TKestLabel(page);
  label->SetCaption(caption);
  label->SetTransparent(true);
  label->SetFocusControl(control);
  return label;
}

QLineEdit* NewReadOnlyEdit(QWidget* page, bool fixed) {
  auto* edit = new QLineEdit(page);
  edit->setReadOnly(true);
  if (fixed) edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  edit->setPalette(palette);
  return edit;
}

// A line of text under a field that reads as a note, not as a field, and that
// assistive technology reads by its name.
QLineEdit* NewNoteLine(QWidget* parent, const QString& name) {
  auto* line = new QLineEdit(parent);
  line->setReadOnly(true);
  line->setFrame(false);
  line->setFocusPolicy(Qt::NoFocus);
  line->setAccessibleName(name);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  line->setPalette(palette);
  return line;
}

// A note line shows only while it has something to say.
void SetNote(QLineEdit* line, const QString& text) {
  line->setText(text);
  line->setVisible(!text.isEmpty());
}

// The IEEE-754 format of a word's width, if it has one.
bool FloatFormatOf(int width, FloatFormat& format) {
  switch (width) {
    case 16: format = FloatFormat::Half; return true;
    case 32: format = FloatFormat::Single; return true;
    case 64: format = FloatFormat::Double; return true;
    default: return false;
  }
}

std::string FloatFormatName(FloatFormat format) {
  switch (format) {
    case FloatFormat::Half: return "half";
    case FloatFormat::Single: return "single";
    default: return "double";
  }
}

// "0x" and the hexadecimal digits of the low `bits` bits.
std::string HexOfBits(std::uint64_t value, int bits) {
  return "0x" + FormatWord(value, {(bits + 3) / 4 * 4, false}, 16);
}

std::string HistoryText(const BitHistoryEntry& entry) {
  return FormatWord(entry.Bits, entry.Shape, 16, true) + "  (" + std::to_string(entry.Shape.Width) + " bits" +
         (entry.Shape.Signed ? ", signed " + FormatWord(entry.Bits, entry.Shape, 10) : "") + "): " + entry.How;
}
}  // namespace

TBitWorkbenchPage::TBitWorkbenchPage(QWidget* parent) : QScrollArea(parent) {
  QVBoxLayout* layout = NewScrollingPageColumn(this, "BitWorkbenchTabSheet");
  QWidget* page = layout->parentWidget();

  WidthGroup = NewRadixRadioGroup(page, "BitWidthGroup", "&Width (bits)", {"8", "16", "32", "64"},
                                  "Select the number of bits of the word");
  WidthGroup->SetItemIndex(2);
  WidthGroup->OnClick = [this](QObject*) { WidthOrSignChanged(); };
  layout->addWidget(WidthGroup);
  SignedCheckBox = new QCheckBox("&Signed (two's complement)", page);
  SetHint(SignedCheckBox, "Read the top bit as the sign in decimal and in arithmetic shifts");
  connect(SignedCheckBox, &QCheckBox::toggled, this, Guarded([this] { WidthOrSignChanged(); }));
  layout->addWidget(SignedCheckBox);
  GroupingGroup = NewRadixRadioGroup(page, "GroupingGroup", "Grou&ping", {"None", "Bytes", "Words"},
                                     "Group binary digits in nibbles and hexadecimal digits in bytes or 16-bit words");
  GroupingGroup->SetItemIndex(1);
  GroupingGroup->OnClick = [this](QObject*) { ShowWord(nullptr); };
  layout->addWidget(GroupingGroup);

  const std::array<std::tuple<int, const char*, const char*>, 4> bases = {
      {{16, "hexadecimal", "&Hexadecimal"}, {10, "decimal", "&Decimal"}, {8, "octal", "&Octal"}, {2, "binary", "&Binary"}}};
  for (std::size_t i = 0; i < bases.size(); ++i) {
    auto [base, name, caption] = bases[i];
    TBaseField& field = Fields[i];
    field.Base = base;
    field.Name = name;
    field.Edit = new QLineEdit(page);
    field.Edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetHint(field.Edit, QString("Type or paste a number in %1; 0x, 0o and 0b prefixes, _ : and spaces are accepted")
                            .arg(name));
    field.Edit->installEventFilter(this);
    field.Label = NewLabel(page, caption, field.Edit);
    field.ClipboardButton = NewClipboardButton(page, QString("Bits%1ClipboardButton").arg(base),
                                               QString("Copy the %1 value to the clipboard").arg(name));
    field.ClipboardButton->setFocusPolicy(Qt::NoFocus);
    connect(field.ClipboardButton, &QToolButton::clicked, this,
            Guarded([this, &field] { ClipboardSetText(CopiedText(field.Edit->text())); }));
    connect(field.Edit, &QLineEdit::textEdited, this, Guarded([this, &field] { FieldEdited(field); }));
    connect(field.Edit, &QLineEdit::editingFinished, this, Guarded([this] { EditLeft(); }));
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(field.Edit, 1);
    row->addWidget(field.ClipboardButton);
    // Under the field, so that the reason is seen where the number is typed.
    field.Error = NewNoteLine(page, QString(caption).remove('&') + " error");
    field.Error->hide();
    layout->addWidget(field.Label);
    layout->addLayout(row);
    layout->addWidget(field.Error);
  }
  CopyGroupedCheckBox = new QCheckBox("Copy gro&uped", page);
  SetHint(CopyGroupedCheckBox, "Copy the digits with their grouping spaces");
  layout->addWidget(CopyGroupedCheckBox);

  CharactersEdit = NewReadOnlyEdit(page, true);
  layout->addWidget(NewLabel(page, "Ch&aracters", CharactersEdit));
  layout->addWidget(CharactersEdit);
  SetHint(CharactersEdit, "The bytes as Latin-1 characters, most significant first; dots for the unprintable");

  BitGrid = new TBitGrid(page);
  BitGrid->OnChange = [this](std::uint64_t bits, const std::string& how) { SetWord(bits, how); };
  SetHint(BitGrid, "Click, Space or Enter toggles a bit; the arrow keys move; dragging sets or clears a run");
  layout->addWidget(NewLabel(page, "Bi&ts", BitGrid));
  layout->addWidget(BitGrid);

  layout->addWidget(NewOperationButtons(page));
  CountsEdit = NewReadOnlyEdit(page, false);
  layout->addWidget(NewLabel(page, "Counts", CountsEdit));
  layout->addWidget(CountsEdit);

  auto* floatBox = new QGroupBox("IEEE-754", page);
  auto* floatLayout = new QVBoxLayout(floatBox);
  floatLayout->setSpacing(2);
  auto addFloatField = [&](QLineEdit*& edit, const QString& caption, bool fixed) {
    edit = NewReadOnlyEdit(floatBox, fixed);
    floatLayout->addWidget(NewLabel(floatBox, caption, edit));
    floatLayout->addWidget(edit);
  };
  addFloatField(FloatFormatEdit, "Format", false);
  addFloatField(FloatSignEdit, "Sign", false);
  addFloatField(FloatExponentEdit, "Exponent", false);
  addFloatField(FloatFractionEdit, "Fraction", true);
  addFloatField(FloatKindEdit, "Kind", false);
  addFloatField(FloatExactEdit, "Exact value", true);
  addFloatField(FloatShortestEdit, "Shortest value", true);
  FloatInputEdit = new QLineEdit(floatBox);
  FloatInputEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SetHint(FloatInputEdit, "Type a decimal number (1.5, -2e-3, inf, nan) to get its bits, rounded to the nearest");
  floatLayout->addWidget(NewLabel(floatBox, "Deci&mal number", FloatInputEdit));
  floatLayout->addWidget(FloatInputEdit);
  connect(FloatInputEdit, &QLineEdit::textEdited, this, Guarded([this] { FloatEdited(); }));
  connect(FloatInputEdit, &QLineEdit::editingFinished, this, Guarded([this] { EditLeft(); }));
  FloatNoteLabel = NewNoteLine(floatBox, "Rounding");
  floatLayout->addWidget(FloatNoteLabel);
  layout->addWidget(floatBox);

  HistoryList = new QListWidget(page);
  HistoryList->setMinimumHeight(90);
  HistoryList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SetHint(HistoryList, "The last 50 values; Enter or a double click restores one");
  connect(HistoryList, &QListWidget::itemActivated, this,
          Guarded([this](QListWidgetItem* item) { RestoreEntry(HistoryList->row(item)); }));
  layout->addWidget(NewLabel(page, "H&istory", HistoryList));
  layout->addWidget(HistoryList);
  auto* historyButtons = new QHBoxLayout;
  RestoreButton = new QPushButton("&Restore", page);
  SetHint(RestoreButton, "Make the selected value the current one again");
  connect(RestoreButton, &QPushButton::clicked, this, Guarded([this] { RestoreEntry(HistoryList->currentRow()); }));
  CopyEntryButton = new QPushButton("Cop&y entry", page);
  SetHint(CopyEntryButton, "Copy the selected value and how it was made");
  connect(CopyEntryButton, &QPushButton::clicked, this, Guarded([this] {
            if (auto* item = HistoryList->currentItem()) ClipboardSetText(item->text());
          }));
  historyButtons->addWidget(RestoreButton);
  historyButtons->addWidget(CopyEntryButton);
  historyButtons->addStretch(1);
  layout->addLayout(historyButtons);
  layout->addStretch(1);
  setWidget(page);
  // A label's accelerator or Tab may move the focus to a control scrolled out of view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && widget()->isAncestorOf(now)) ensureWidgetVisible(now);
  });

  ShowWord(nullptr);
}

TBitWorkbenchPage::~TBitWorkbenchPage() {
  // The fields lose the focus while they are destroyed, after this page's members.
  for (auto* edit : findChildren<QLineEdit*>()) edit->disconnect(this);
}

QWidget* TBitWorkbenchPage::NewOperationButtons(QWidget* page) {
  auto* box = new QGroupBox("Operations", page);
  auto* layout = new QVBoxLayout(box);
  layout->setSpacing(2);
  OperandEdit = new QLineEdit("FF", box);
  OperandEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  SetHint(OperandEdit, "The second operand of AND, OR and XOR, in hexadecimal or with a 0x, 0o or 0b prefix");
  layout->addWidget(NewLabel(box, "Second operand (he&x)", OperandEdit));
  layout->addWidget(OperandEdit);
  OperandErrorLine = NewNoteLine(box, "Second operand error");
  OperandErrorLine->hide();
  layout->addWidget(OperandErrorLine);
  CountSpinBox = new QSpinBox(box);
  CountSpinBox->setRange(1, 63);
  SetHint(CountSpinBox, "The number of places to shift or rotate by");
  layout->addWidget(NewLabel(box, "Shift or rotate by (cou&nt)", CountSpinBox));
  layout->addWidget(CountSpinBox);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  using W = std::uint64_t;
  int i = 0;
  AddOperation(box, grid, i++, "NOT", "Invert every bit", [](W b, int w, int, W) { return WordNot(b, w); }, false);
  AddOperation(box, grid, i++, "Negate", "Two's complement negation",
               [](W b, int w, int, W) { return WordNegate(b, w); }, false);
  AddOperation(box, grid, i++, "AND", "AND with the second operand", [](W b, int, int, W o) { return b & o; }, true);
  AddOperation(box, grid, i++, "OR", "OR with the second operand", [](W b, int, int, W o) { return b | o; }, true);
  AddOperation(box, grid, i++, "XOR", "XOR with the second operand", [](W b, int, int, W o) { return b ^ o; }, true);
  AddOperation(box, grid, i++, "Shift left", "Shift left, zeros in from the right",
               [](W b, int w, int n, W) { return ShiftLeft(b, w, n); }, false);
  AddOperation(box, grid, i++, "Shift right", "Logical shift right, zeros in from the left",
               [](W b, int w, int n, W) { return ShiftRightLogical(b, w, n); }, false);
  AddOperation(box, grid, i++, "Arith. right", "Arithmetic shift right, copies of the top bit in from the left",
               [](W b, int w, int n, W) { return ShiftRightArithmetic(b, w, n); }, false);
  AddOperation(box, grid, i++, "Rotate left", "Rotate left: the bits out at the top come in at the bottom",
               [](W b, int w, int n, W) { return RotateLeft(b, w, n); }, false);
  AddOperation(box, grid, i++, "Rotate right", "Rotate right: the bits out at the bottom come in at the top",
               [](W b, int w, int n, W) { return RotateRight(b, w, n); }, false);
  AddOperation(box, grid, i++, "Byte swap", "Reverse the order of the bytes (the other endianness)",
               [](W b, int w, int, W) { return ByteSwap(b, w); }, false);
  AddOperation(box, grid, i++, "Reverse bits", "Reverse all the bits: the lowest becomes the highest",
               [](W b, int w, int, W) { return ReverseWordBits(b, w); }, false);
  AddOperation(box, grid, i++, "Reverse in bytes", "Reverse the bits of each byte, the bytes in place",
               [](W b, int w, int, W) { return ReverseBitsOfEachByte(b, w); }, false);
  AddOperation(box, grid, i++, "Clear", "Set the word to zero", [](W, int, int, W) { return W{0}; }, false);
  layout->addLayout(grid);
  return box;
}

void TBitWorkbenchPage::AddOperation(QWidget* page, QGridLayout* grid, int index, const QString& caption,
                                     const QString& hint, std::uint64_t (*operation)(std::uint64_t, int, int, std::uint64_t),
                                     bool needsOperand) {
  auto* button = new QPushButton(caption, page);
  SetHint(button, hint);
  grid->addWidget(button, index / 2, index % 2);  // two columns fit the narrowest window
  connect(button, &QPushButton::clicked, this, Guarded([this, caption, operation, needsOperand] {
            const int count = CountSpinBox->value();
            std::uint64_t operand = 0;
            std::string how = caption.toStdString();
            if (needsOperand) {
              const WordParse parse = ParseWord(OperandEdit->text().toStdString(), 16, Current);
              if (!parse.Ok) {
                SetNote(OperandErrorLine, FromStd(parse.Error));
                return;
              }
              SetNote(OperandErrorLine, {});
              operand = parse.Bits;
              how += " " + FormatWord(operand, Current, 16);
            } else if (caption.startsWith("Shift") || caption.startsWith("Rotate") || caption.startsWith("Arith")) {
              how += " by " + std::to_string(count);
            }
            SetWord(operation(Value, Current.Width, count, operand), how);
          }));
}

void TBitWorkbenchPage::SetWord(std::uint64_t bits, std::string how) {
  Value = bits & WidthMask(Current.Width);
  PendingHow.clear();
  EditStart.reset();
  Recent.Add({Value, Current, std::move(how)});
  ShowWord(nullptr);
  ShowHistory();
}

void TBitWorkbenchPage::WidthOrSignChanged() {
  const int index = WidthGroup->ItemIndex();
  Current = {WidthChoices[index < 0 || index > 3 ? 2 : index], SignedCheckBox->isChecked()};
  BitGrid->SetWidth(Current.Width);
  SetWord(Value, std::to_string(Current.Width) + " bits" + (Current.Signed ? ", signed" : ""));
}

void TBitWorkbenchPage::EditLeft() {
  if (!EditStart) {
    ShowWord(nullptr);  // the grouping back in place
    return;
  }
  const std::uint64_t start = *EditStart;
  EditStart.reset();
  if (EditValid) {
    const QString floatNote = FloatNoteLabel->text();  // how a typed decimal was rounded stays in view
    SetWord(Value, PendingHow);
    FloatNoteLabel->setText(floatNote);
    return;
  }
  // Text that does not read as a word gives back the word from before the edit, and says why.
  std::array<QString, 4> errors;
  for (std::size_t i = 0; i < Fields.size(); ++i) errors[i] = Fields[i].Error->text();
  const QString floatNote = FloatNoteLabel->text();
  Value = start;
  PendingHow.clear();
  ShowWord(nullptr);
  for (std::size_t i = 0; i < Fields.size(); ++i) SetNote(Fields[i].Error, errors[i]);
  FloatNoteLabel->setText(floatNote);
}

void TBitWorkbenchPage::FieldEdited(const TBaseField& field) {
  if (!EditStart) EditStart = Value;
  const WordParse parse = ParseWord(field.Edit->text().toStdString(), field.Base, Current);
  EditValid = parse.Ok;
  if (!parse.Ok) {
    SetNote(field.Error, FromStd(parse.Error));
    return;
  }
  SetNote(field.Error, {});
  Value = parse.Bits;
  PendingHow = std::string("typed in ") + field.Name;
  ShowWord(field.Edit);
}

void TBitWorkbenchPage::FloatEdited() {
  FloatFormat format = FloatFormat::Single;
  if (!FloatFormatOf(Current.Width, format)) {
    FloatNoteLabel->setText("Choose 16, 32 or 64 bits for a floating-point number");
    return;
  }
  if (!EditStart) EditStart = Value;
  const FloatEncoding encoding = EncodeFloat(FloatInputEdit->text().toStdString(), format);
  EditValid = encoding.Ok;
  if (!encoding.Ok) {
    FloatNoteLabel->setText(FromStd(encoding.Error));
    return;
  }
  Value = encoding.Bits;
  PendingHow = FloatFormatName(format) + " " + FloatInputEdit->text().trimmed().toStdString();
  ShowWord(FloatInputEdit);
  FloatNoteLabel->setText(encoding.Overflow  ? "Out of range: rounded to infinity"
                          : encoding.Inexact ? "Inexact: rounded to the nearest, ties to even"
                                             : "Exact");
}

void TBitWorkbenchPage::ShowWord(const QObject* source) {
  const bool grouped = GroupingGroup->ItemIndex() > 0;
  const HexGrouping hexGrouping = GroupingGroup->ItemIndex() == 2 ? HexGrouping::Words : HexGrouping::Bytes;
  for (const TBaseField& field : Fields)
    if (field.Edit != source) field.Edit->setText(FromStd(FormatWord(Value, Current, field.Base, grouped, hexGrouping)));
  for (const TBaseField& field : Fields)
    if (field.Edit != source) SetNote(field.Error, {});
  CharactersEdit->setText(QString::fromUtf8(WordCharacters(Value, Current.Width).c_str()));
  BitGrid->SetBits(Value);
  CountsEdit->setText(QString("%1 set, %2 leading zeros, %3 trailing zeros")
                          .arg(PopCount(Value))
                          .arg(LeadingZeros(Value, Current.Width))
                          .arg(TrailingZeros(Value, Current.Width)));
  ShowFloat(source);
}

void TBitWorkbenchPage::ShowFloat(const QObject* source) {
  FloatFormat format = FloatFormat::Single;
  const bool has = FloatFormatOf(Current.Width, format);
  for (QLineEdit* edit : {FloatSignEdit, FloatExponentEdit, FloatFractionEdit, FloatKindEdit, FloatExactEdit,
                          FloatShortestEdit})
    edit->setEnabled(has);
  FloatInputEdit->setEnabled(has);
  if (!has) {
    FloatFormatEdit->setText("None at 8 bits");
    for (QLineEdit* edit : {FloatSignEdit, FloatExponentEdit, FloatFractionEdit, FloatKindEdit, FloatExactEdit,
                            FloatShortestEdit, FloatInputEdit})
      edit->clear();
    FloatNoteLabel->clear();
    return;
  }
  const FloatFields f = DecodeFloat(Value, format);
  FloatFormatEdit->setText(FromStd(FloatFormatName(format) + " precision (" + std::to_string(Current.Width) + " bits)"));
  FloatSignEdit->setText(f.Negative ? "1 (negative)" : "0 (positive)");
  FloatExponentEdit->setText(QString("%1 raw, %2 unbiased").arg(f.ExponentRaw).arg(f.Exponent));
  const int fractionBits = format == FloatFormat::Half ? 10 : format == FloatFormat::Single ? 23 : 52;
  FloatFractionEdit->setText(FromStd(HexOfBits(f.Fraction, fractionBits)));
  std::string kind = FloatKindName(f.Kind);
  if (f.Kind == FloatKind::QuietNaN || f.Kind == FloatKind::SignallingNaN)
    kind += ", payload " + HexOfBits(f.Payload, fractionBits - 1);
  FloatKindEdit->setText(FromStd(kind));
  FloatExactEdit->setText(FromStd(f.Exact));
  FloatShortestEdit->setText(FromStd(f.Shortest));
  if (source != FloatInputEdit) {
    FloatInputEdit->setText(FromStd(f.Shortest));
    FloatNoteLabel->clear();
  }
}

void TBitWorkbenchPage::ShowHistory() {
  HistoryList->clear();
  for (const auto& entry : Recent.Entries()) HistoryList->addItem(FromStd(HistoryText(entry)));
  HistoryList->setCurrentRow(0);
}

void TBitWorkbenchPage::ApplyShape(WordShape shape) {
  {
    const QSignalBlocker blockSign(SignedCheckBox);
    const TDetachedClick detached(WidthGroup);
    SignedCheckBox->setChecked(shape.Signed);
    for (int i = 0; i < 4; ++i)
      if (WidthChoices[i] == shape.Width) WidthGroup->SetItemIndex(i);
  }
  Current = shape;
  BitGrid->SetWidth(shape.Width);
}

void TBitWorkbenchPage::RestoreEntry(int row) {
  if (row < 0 || row >= static_cast<int>(Recent.Entries().size())) return;
  const BitHistoryEntry entry = Recent.Entries()[static_cast<std::size_t>(row)];
  ApplyShape(entry.Shape);
  const std::string restored = "restored: ";
  SetWord(entry.Bits, restored + (entry.How.starts_with(restored) ? entry.How.substr(restored.size()) : entry.How));
}

QString TBitWorkbenchPage::CopiedText(const QString& shown) const {
  return CopyGroupedCheckBox->isChecked() ? shown : QString(shown).remove(' ');
}

bool TBitWorkbenchPage::eventFilter(QObject* watched, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
      edit->hasSelectedText()) {
    ClipboardSetText(CopiedText(edit->selectedText()));
    return true;
  }
  return QScrollArea::eventFilter(watched, event);
}

void TBitWorkbenchPage::LoadSettings(const QString& settingsKey) {
  TRegistry key;
  if (!key.OpenKeyReadOnly(settingsKey + WorkbenchKey) || key.GetDataType("History") != TRegDataType::rdString) return;
  Recent = BitHistory::Load(key.ReadString("History").toStdString());
  if (!Recent.Entries().empty()) {
    // The newest word comes back as it was left, without a new entry.
    ApplyShape(Recent.Entries().front().Shape);
    Value = Recent.Entries().front().Bits;
    ShowWord(nullptr);
  }
  ShowHistory();
}

void TBitWorkbenchPage::SaveSettings(const QString& settingsKey) const {
  TRegistry key;
  if (!key.OpenKey(settingsKey + WorkbenchKey, true)) return;
  key.WriteString("History", FromStd(Recent.Save()));
}
