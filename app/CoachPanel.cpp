#include "CoachPanel.h"

#include <QLabel>
#include <QVBoxLayout>

CoachPanel::CoachPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CoachPanel"));
    setFixedWidth(PanelWidth);
    auto* layout = new QVBoxLayout(this);
    m_Hint = section(QStringLiteral("CoachHint"));
    m_Comment = section(QStringLiteral("CoachComment"));
    m_Lead = section(QStringLiteral("CoachLead"));
    m_Note = section(QStringLiteral("CoachNote"));
    for (QLabel* label : {m_Hint, m_Comment, m_Lead, m_Note}) {
        layout->addWidget(label);
    }
    layout->addStretch();
}

QLabel* CoachPanel::section(const QString& objectName)
{
    auto* label = new QLabel(this);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->hide();
    return label;
}

void CoachPanel::set(QLabel* label, const QString& text)
{
    if (label->text() == text) {
        return;
    }
    label->setText(text);
    label->setVisible(!text.isEmpty());
    emit ContentChanged();
}

void CoachPanel::setHint(const QString& text)
{
    set(m_Hint, text);
}

void CoachPanel::setComment(const QString& text)
{
    set(m_Comment, text);
}

void CoachPanel::setLead(const QString& text)
{
    set(m_Lead, text);
}

void CoachPanel::setNote(const QString& text)
{
    set(m_Note, text);
}

void CoachPanel::clear()
{
    for (QLabel* label : {m_Hint, m_Comment, m_Lead, m_Note}) {
        set(label, QString());
    }
}

bool CoachPanel::isEmpty() const
{
    return text().isEmpty();
}

QString CoachPanel::text() const
{
    QStringList parts;
    for (const QLabel* label : {m_Hint, m_Comment, m_Lead, m_Note}) {
        if (!label->text().isEmpty()) {
            parts << label->text();
        }
    }
    return parts.join(QStringLiteral("\n\n"));
}
