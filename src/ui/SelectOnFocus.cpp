#include "SelectOnFocus.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace {

class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *edit = static_cast<QLineEdit *>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            // A click places the cursor after the focus has come: select once it is done.
            m_afterClick = static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
            if (!m_afterClick)
                edit->selectAll();
            break;
        case QEvent::MouseButtonRelease:
            if (m_afterClick && !edit->hasSelectedText())
                edit->selectAll();
            m_afterClick = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_afterClick = false;
};

} // namespace

void SelectAllOnFocus(QLineEdit *edit)
{
    edit->installEventFilter(new SelectAllFilter(edit));
}
