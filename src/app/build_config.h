#pragma once

// The service hosts (host or host:port), chosen when a program is linked: the
// hosts configured in CMake (vorlan_service_hosts), or an object of the
// program's own that defines all four (the local stand-in services' hosts of
// `make run`, src/app/win/local_hosts.cpp).
namespace vorlan::app::build_config {
extern const char kCatalogueHost[];
extern const char kPictureHost[];
extern const char kPortalHost[];
extern const char kFilmDatabaseHost[];
}  // namespace vorlan::app::build_config
