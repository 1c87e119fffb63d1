// The local stand-in services' fixed ports (scripts/services), linked into
// the program `make run` starts instead of the configured hosts.
#include "app/build_config.h"

namespace vorlan::app::build_config {
const char kCatalogueHost[] = "127.0.0.1:18081";
const char kPictureHost[] = "127.0.0.1:18082";
const char kPortalHost[] = "127.0.0.1:18083";
const char kFilmDatabaseHost[] = "127.0.0.1:18084";
}  // namespace vorlan::app::build_config
