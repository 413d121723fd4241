#pragma once

#include <QWidget>

class QLabel;

// The coach's words beside the board: the hint, the comment on the last
// move, who leads, or why the coach cannot help. Shown only while the coach
// has something to say; the board's own message area stays the game's.
class CoachPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 220;

    explicit CoachPanel(QWidget* parent = nullptr);

    void setHint(const QString& text);
    void setComment(const QString& text);
    void setLead(const QString& text);
    void setNote(const QString& text);
    void clear();
    bool isEmpty() const;
    QString text() const;

signals:
    // Shown or emptied: the window makes room for the panel or takes it back.
    void ContentChanged();

private:
    QLabel* section(const QString& objectName);
    void set(QLabel* label, const QString& text);

    QLabel* m_Hint;
    QLabel* m_Comment;
    QLabel* m_Lead;
    QLabel* m_Note;
};
