// SPDX-License-Identifier: MIT
#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <sys/stat.h>

#include <mutex>
#include <optional>
#include <utility>

namespace {

constexpr char RootKey[] = "HKEY_CURRENT_USER";
constexpr int LockTimeoutMs = 10000;

[[noreturn]] void Fail(const QString& message) { throw ERegistryException(message.toLocal8Bit().toStdString()); }

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string FullPath(const QString& key) {
  QString path = key;
  while (path.startsWith('\\')) path.remove(0, 1);
  while (path.endsWith('\\')) path.chop(1);
  return path.isEmpty() ? std::string(RootKey) : RootKey + ("\\" + Utf8(path));
}

// The file's bytes and their text: a UTF-16LE file is read (and saved) as UTF-8.
struct TFileText {
  QByteArray Bytes;
  std::optional<std::string> Converted;
  bool Readable = true;  // false when the file exists but could not be read in full
  std::string_view Text() const {
    return Converted ? std::string_view(*Converted)
                     : std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size()));
  }
};

TFileText ReadRegistryFile() {
  QFile file(RegistryFilePath());
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) return {{}, {}, false};
  TFileText contents{file.readAll(), {}, file.error() == QFileDevice::NoError};
  contents.Converted = Utf16FileText(contents.Text());
  return contents;
}

TRegFileIdentity IdentityOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return {};
  constexpr std::int64_t Billion = 1000000000;
  return {true,
          status.st_dev,
          status.st_ino,
          status.st_size,
          status.st_mtim.tv_sec * Billion + status.st_mtim.tv_nsec,
          status.st_ctim.tv_sec * Billion + status.st_ctim.tv_nsec};
}

// The key last read and the keys below it, kept while the file stays the same, so
// that the program's keys opened one after another cost one read of a large file.
struct TSubtreeCache {
  std::mutex Lock;
  QString File;
  TRegFileIdentity Identity;
  std::string Root;  // empty while nothing is kept
  std::string Text;
};

TSubtreeCache& SubtreeCache() {
  static TSubtreeCache cache;
  return cache;
}

// What the key and the keys below it read from, and the file it was read from.
struct TKeyText {
  std::string Text;
  TRegFileIdentity Identity;
  bool Readable = true;
};

TKeyText ReadKeyText(const std::string& keyPath) {
  const QString path = RegistryFilePath();
  TSubtreeCache& cache = SubtreeCache();
  const TRegFileIdentity identity = IdentityOf(path);
  {
    const std::lock_guard guard(cache.Lock);
    if (!cache.Root.empty() && cache.File == path && cache.Identity == identity &&
        IsRegistryKeyAtOrBelow(keyPath, cache.Root))
      return {cache.Text, identity};
  }
  const TFileText contents = ReadRegistryFile();
  const std::string_view text = contents.Text();
  TKeyText read{JoinedSpans(text, FindRegistryKey(text, keyPath).Subtree), identity, contents.Readable};
  if (contents.Readable && IdentityOf(path) == identity) {
    const std::lock_guard guard(cache.Lock);
    cache.File = path;
    cache.Identity = identity;
    cache.Root = keyPath;
    cache.Text = read.Text;
  }
  return read;
}

// Copies the values of `from` into `into`.
void AddValues(TRegDocument& into, const TRegDocument& from) {
  for (const auto& key : from.Keys())
    for (const auto& [name, value] : key.Values) into.SetValue(key.Path, name, value);
}

// Saves the values of `written` (in any number of keys) into the file as it is
// now, with only those keys' sections replaced, under the lock that keeps other
// instances from saving at the same time. Returns those keys' values as saved.
TRegDocument SaveValues(const TRegDocument& written) {
  const QString path = RegistryFilePath();
  const QString cannotSave = QStringLiteral("The settings could not be saved in %1.").arg(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) Fail(cannotSave);
  QLockFile lock(path + QStringLiteral(".lock"));
  if (!lock.tryLock(LockTimeoutMs)) Fail(cannotSave + QStringLiteral(" Another program keeps the file locked."));
  const TFileText contents = ReadRegistryFile();
  // Saving what little could be read would destroy the rest.
  if (!contents.Readable) Fail(cannotSave + QStringLiteral(" The file cannot be read."));
  const std::string_view text = contents.Text();
  std::vector<TRegKeySections> sections;
  for (const auto& key : written.Keys())
    if (!key.Values.empty()) sections.push_back(FindRegistryKey(text, key.Path));
  TRegDocument document = ParseRegistryKeys(text, sections);
  AddValues(document, written);
  std::string storage;
  const auto pieces = ReplaceRegistryKeys(text, sections, document, storage);
  if (!pieces) return document;
  QSaveFile file(path);
  bool saved = file.open(QIODevice::WriteOnly);
  for (std::string_view piece : *pieces)
    saved = saved && file.write(piece.data(), static_cast<qint64>(piece.size())) == static_cast<qint64>(piece.size());
  if (!saved || !file.commit()) Fail(cannotSave + ' ' + file.errorString());
  return document;
}

thread_local TRegistryBatch* ActiveBatch = nullptr;

}  // namespace

QString RegistryFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/OrvaneCalculator/registry.reg");
}

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() = default;

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
  CloseKey();
  const std::string path = FullPath(key);
  const TKeyText read = ReadKeyText(path);
  const TRegKeySections sections = FindRegistryKey(read.Text, path);
  // An absent key is created with its first value: opening it saves nothing.
  if (!sections.Exists && (!canCreate || !read.Readable || !TRegDocument().AddKey(path))) return false;
  Document = ParseRegistryKeys(read.Text, {sections});
  ReadFrom = read.Identity;
  CurrentKey = path;
  return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& key) {
  const bool opened = OpenKey(key, false);
  ReadOnly = opened;
  return opened;
}

void TRegistry::CloseKey() {
  CurrentKey.clear();
  ReadOnly = false;
  Updating = false;
  Pending = {};
  PendingChanges = false;
  ReadFrom = std::nullopt;
}

bool TRegistry::KeyExists(const QString& key) const {
  const std::string path = FullPath(key);
  return FindRegistryKey(ReadKeyText(path).Text, path).Exists;
}

bool TRegistry::ValueExists(const QString& name) const {
  return Document.FindValue(CurrentKey, Utf8(name)) != nullptr;
}

TRegDataType TRegistry::GetDataType(const QString& name) const {
  const TRegValue* value = Document.FindValue(CurrentKey, Utf8(name));
  return value ? DataTypeOf(*value) : TRegDataType::rdUnknown;
}

const TRegValue& TRegistry::ValueOfType(const QString& name, TRegDataType type) const {
  const TRegValue* value = Document.FindValue(CurrentKey, Utf8(name));
  if (!value) Fail(QStringLiteral("The setting \"%1\" does not exist.").arg(name));
  if (DataTypeOf(*value) != type) Fail(QStringLiteral("The setting \"%1\" is of another type.").arg(name));
  return *value;
}

QString TRegistry::ReadString(const QString& name) const {
  const std::u16string text = RegStringText(ValueOfType(name, TRegDataType::rdString));
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

int TRegistry::ReadInteger(const QString& name) const {
  const TRegValue& value = ValueOfType(name, TRegDataType::rdInteger);
  if (value.Data.size() != 4) Fail(QStringLiteral("The setting \"%1\" is no double word.").arg(name));
  return static_cast<int>(value.Data[0] | value.Data[1] << 8 | value.Data[2] << 16 |
                          static_cast<std::uint32_t>(value.Data[3]) << 24);
}

QByteArray TRegistry::ReadBinaryData(const QString& name) const {
  const TRegValue& value = ValueOfType(name, TRegDataType::rdBinary);
  return QByteArray(reinterpret_cast<const char*>(value.Data.data()), static_cast<qsizetype>(value.Data.size()));
}

void TRegistry::WriteValue(const QString& name, TRegValue value) {
  if (CurrentKey.empty() || ReadOnly) Fail(QStringLiteral("No registry key is open for writing \"%1\".").arg(name));
  const std::string valueName = Utf8(name);
  const TRegValue* old = Document.FindValue(CurrentKey, valueName);
  PendingChanges = PendingChanges || !old || *old != value;
  if (!Document.SetValue(CurrentKey, valueName, value))
    Fail(QStringLiteral("\"%1\" is no valid setting name.").arg(name));
  Pending.SetValue(CurrentKey, valueName, std::move(value));
  if (!Updating) SavePending();
}

void TRegistry::SavePending() {
  const TRegDocument values = std::exchange(Pending, {});
  // Values as the file held them when read need no save while the file is unchanged.
  if (!std::exchange(PendingChanges, false) && ReadFrom && *ReadFrom == IdentityOf(RegistryFilePath())) return;
  ReadFrom = std::nullopt;
  if (ActiveBatch) {
    AddValues(ActiveBatch->Pending, values);
  } else {
    Document = SaveValues(values);
  }
}

void TRegistry::BeginUpdate() { Updating = true; }

void TRegistry::EndUpdate() {
  Updating = false;
  if (!Pending.Keys().empty()) SavePending();
}

TRegistryBatch::TRegistryBatch() : Outer(std::exchange(ActiveBatch, this)) {}

TRegistryBatch::~TRegistryBatch() {
  if (ActiveBatch == this) ActiveBatch = Outer;
}

void TRegistryBatch::Save() {
  if (ActiveBatch == this) ActiveBatch = Outer;
  if (!Pending.Keys().empty()) SaveValues(std::exchange(Pending, {}));
}

void TRegistry::WriteString(const QString& name, const QString& value) {
  WriteValue(name, RegStringValue(std::u16string_view(reinterpret_cast<const char16_t*>(value.utf16()),
                                                      static_cast<std::size_t>(value.size()))));
}

void TRegistry::WriteInteger(const QString& name, int value) {
  WriteValue(name, RegDWordValue(static_cast<std::uint32_t>(value)));
}

void TRegistry::WriteBinaryData(const QString& name, const QByteArray& data) {
  WriteValue(name, RegBinaryValue(std::vector<std::uint8_t>(data.begin(), data.end())));
}
