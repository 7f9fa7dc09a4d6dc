#include "TranslatedButton.h"

#include <QCoreApplication>
#include <QEvent>

TranslatedButton::TranslatedButton(const QString &objectName, const char *context, const char *text,
                                   const char *toolTip, QWidget *parent)
    : QPushButton(parent)
    , m_context(context)
    , m_text(text)
    , m_toolTip(toolTip)
{
    setObjectName(objectName);
    retranslate();
}

void TranslatedButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

void TranslatedButton::retranslate()
{
    setText(QCoreApplication::translate(m_context, m_text));
    if (m_toolTip)
        setToolTip(QCoreApplication::translate(m_context, m_toolTip));
}
