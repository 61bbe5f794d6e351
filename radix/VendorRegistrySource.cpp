// SPDX-License-Identifier: MIT
#include "radix/VendorRegistrySource.h"

#include <QCoreApplication>
#include <optional>

#include "radix/VendorRegistryFile.h"

namespace {
struct TSource {
  bool Loaded = false;
  std::optional<TVendorRegistry> Registry;
  std::uint64_t Generation = 0;
};

TSource& Source() {
  static TSource source;
  return source;
}
}  // namespace

const TVendorRegistry* CurrentVendorRegistry() {
  TSource& source = Source();
  if (!source.Loaded) {
    source.Registry = LoadInstalledVendorRegistry(QCoreApplication::applicationDirPath().toStdString());
    source.Loaded = true;
  }
  return source.Registry ? &*source.Registry : nullptr;
}

void ReplaceVendorRegistry(TVendorRegistry registry) {
  TSource& source = Source();
  source.Registry = std::move(registry);
  source.Loaded = true;
  ++source.Generation;
}

std::uint64_t VendorRegistryGeneration() { return Source().Generation; }
