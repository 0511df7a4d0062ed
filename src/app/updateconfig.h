#pragma once

#include "update/core/feedback.h"
#include "update/core/version.h"

#include <QString>
#include <QUrl>

// The update configuration of this build. The update service's address is
// built in; the environment variable TALLYLEAF_UPDATE_URL, when set and not
// empty, replaces it (e.g. http://127.0.0.1:8080 for a local test service).
// Either way the channel's folder "/tallyleaf/stable/" follows.
LarkUpdate::Config makeUpdateConfig();
FeedbackConfig feedbackUrl();

// Identity texts of this application.
namespace AppIdentity {
inline constexpr char organizationName[] = "Larkspur";
inline constexpr char organizationDomain[] = "larkspur.app";
inline constexpr char applicationName[] = "Tallyleaf";
inline constexpr char version[] = "1.1.5";
inline constexpr char displayName[] = "Larkspur Tallyleaf";
} // namespace AppIdentity
