#pragma once

#include <QString>
#include <QUrl>

// Where the feedback board lives and which tag marks this product.
struct FeedbackConfig
{
    QString productTag;
    QUrl baseUrl;
};

// The board's address as the browser receives it: the base path with a
// final '/', and the query replaced by "tags=<productTag>".
QUrl feedbackBoardUrl(const FeedbackConfig& config);
