#include "ileum/model/dose_text.h"

#include "core/numbers.h"

namespace ileum::DoseText {

QString doubled(const QString &doseText)
{
    return Numbers::signedText(static_cast<float>(2.0 * Numbers::leadingNumber(doseText)));
}

QString halved(const QString &doseText)
{
    return Numbers::signedText(static_cast<float>(Numbers::leadingNumber(doseText) / 2.0));
}

QString normalised(const QString &doseText)
{
    return Numbers::singleText(static_cast<float>(Numbers::leadingNumber(doseText)));
}

} // namespace ileum::DoseText
