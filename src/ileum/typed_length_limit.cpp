#include "typed_length_limit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Swallows a typed character once the box holds the limit, counting a
// selection as already gone (the character replaces it).
class LengthFilter final : public QObject
{
public:
    LengthFilter(QLineEdit *box, int characters)
        : QObject(box)
        , m_box(box)
        , m_characters(characters)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_box || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString typed = key->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        const qsizetype kept = m_box->text().size() - m_box->selectedText().size();
        return kept >= m_characters;
    }

private:
    QLineEdit *m_box;
    int m_characters;
};

} // namespace

namespace TypedLengthLimit {

void apply(QLineEdit *box, int characters)
{
    box->installEventFilter(new LengthFilter(box, characters));
}

} // namespace TypedLengthLimit
