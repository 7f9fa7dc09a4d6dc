#pragma once

#include <QPushButton>

// A button that one part of the program puts on another part's page: its
// caption and tool tip (English sources, translated in the given context)
// follow the interface language.
class TranslatedButton : public QPushButton
{
public:
    TranslatedButton(const QString &objectName, const char *context, const char *text,
                     const char *toolTip, QWidget *parent);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    const char *m_context;
    const char *m_text;
    const char *m_toolTip;
};
