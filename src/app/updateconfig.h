#pragma once

#include "update/core/version.h"

#include <QString>
#include <QUrl>

// Where the feedback board lives and which tag marks this product.
struct FeedbackConfig
{
    QString productTag;
    QUrl baseUrl;
};

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
