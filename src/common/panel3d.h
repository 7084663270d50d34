// A raised panel with a caption, the frame of the menu's and the about window's headings.
#pragma once

#include <QFrame>

namespace zeb {

class Panel3D : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    explicit Panel3D(QWidget *parent);

    QString title() const { return m_title; }
    void setTitle(const QString &title);
    // Where the caption stands; centred both ways unless set.
    void setTitleAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

} // namespace zeb
