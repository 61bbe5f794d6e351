// SPDX-License-Identifier: MIT
// The Sets page: a list of prefixes, addresses and ranges of both families,
// merged, covered, checked for overlaps, less a second list, and its ranges as
// prefixes.
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "prefix/PrefixCalculator.h"
#include "prefix/PrefixSets.h"

namespace {

const std::string None = "none";

std::string PrefixLines(const std::vector<IpPrefix>& prefixes) {
  std::string text;
  for (const IpPrefix& p : prefixes) text += (text.empty() ? "" : "\n") + PrefixText(p);
  return text;
}

std::string ErrorLines(const std::vector<LineError>& errors, const std::string& list, std::string text = {}) {
  for (const LineError& e : errors) text += (text.empty() ? "" : "\n") + list + LineErrorText(e);
  return text;
}

std::vector<AddressRange> RangesOf(const ParsedSet& set) {
  std::vector<AddressRange> ranges;
  ranges.reserve(set.Entries.size());
  for (const SetEntry& e : set.Entries) ranges.push_back(e.Range);
  return ranges;
}

void Show(QPlainTextEdit* box, const std::string& text) { box->setPlainText(QString::fromStdString(text)); }

}  // namespace

void TPrefixCalculator::CreateSetsPage() {
  SetsTabSheet = NewPage("Sets", "SetsTabSheet");
  QWidget* page = SetsTabSheet;
  SetListEdit = AddListInput(page, "SetListEdit", "&List",
                             "Prefixes, addresses and ranges (a - b), one a line or separated by commas",
                             "10.0.0.0/25\n10.0.0.128/25, 192.0.2.7\n2001:db8::1 - 2001:db8::ff",
                             &TPrefixCalculator::SetErrorsTextBox);
  SetExcludeEdit = AddListInput(page, "SetExcludeEdit", "E&xclude",
                                "Prefixes, addresses and ranges to take out of the list", "10.0.0.64/26",
                                &TPrefixCalculator::SetErrorsTextBox);
  SetErrorsTextBox = AddListResult(page, "SetErrorsTextBox", "Lines Not Understood", 3);
  MergedTextBox = AddListResult(page, "MergedTextBox", "Merged", 4);
  CoveringTextBox = AddListResult(page, "CoveringTextBox", "Covering Prefix", 2);
  OverlapsTextBox = AddListResult(page, "OverlapsTextBox", "Overlaps and Duplicates", 4);
  ExcludedTextBox = AddListResult(page, "ExcludedTextBox", "List Less Exclusions", 4);
  RangeBlocksTextBox = AddListResult(page, "RangeBlocksTextBox", "Ranges as Prefixes", 4);
  static_cast<QVBoxLayout*>(page->layout())->addStretch(1);
  setsTimer_ = NewSettleTimer(&TPrefixCalculator::ShowSets);
  for (QPlainTextEdit* edit : {SetListEdit, SetExcludeEdit})
    connect(edit, &QPlainTextEdit::textChanged, setsTimer_, qOverload<>(&QTimer::start));
  ShowSets();
}

void TPrefixCalculator::ShowSets() {
  setsTimer_->stop();
  const ParsedSet list = ParseSet(SetListEdit->toPlainText().toStdString());
  const ParsedSet exclude = ParseSet(SetExcludeEdit->toPlainText().toStdString());
  const std::string errors = ErrorLines(exclude.Errors, "Exclude ", ErrorLines(list.Errors, ""));
  Show(SetErrorsTextBox, errors.empty() ? None : errors);

  const std::vector<AddressRange> ranges = RangesOf(list);
  Show(MergedTextBox, PrefixLines(MergedPrefixes(ranges)));
  std::string covering;
  for (const CoveringPrefix& cover : CoveringPrefixes(ranges))
    covering += (covering.empty() ? "" : "\n") + PrefixText(cover.Prefix) + " (adds " + DecimalText(cover.Added) + ")";
  Show(CoveringTextBox, covering);

  std::string overlaps;
  for (const SetOverlap& overlap : FindOverlaps(list.Entries))
    overlaps += (overlaps.empty() ? "" : "\n") + OverlapText(list.Entries, overlap);
  Show(OverlapsTextBox, overlaps.empty() ? None : overlaps);

  Show(ExcludedTextBox, PrefixLines(SubtractedPrefixes(ranges, RangesOf(exclude))));

  std::string blocks;
  for (const SetEntry& entry : list.Entries)
    if (entry.WrittenAsRange)
      blocks += (blocks.empty() ? "" : "\n") + ("line " + std::to_string(entry.Line) + ": " + RangeText(entry.Range)) +
                "\n" + PrefixLines(RangePrefixes(entry.Range));
  Show(RangeBlocksTextBox, blocks.empty() ? None : blocks);
}
