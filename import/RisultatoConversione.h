#pragma once

// The import's result area: the white square `Shape2` with its black outline, into which a
// conversion draws its grid of N x N squares, filled black for a "1" cell and outlined for a "0".

#include <QWidget>

namespace gridora {

class RisultatoConversione : public QWidget {
    Q_OBJECT

public:
    explicit RisultatoConversione(QWidget* contenitore);

    // Draws a cell string of `lato` x `lato` characters.
    void mostra(const QString& celle, int lato);
    // The blank area.
    void svuota();

    const QString& celle() const { return m_celle; }
    int lato() const { return m_lato; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString m_celle;
    int m_lato = 0;
};

} // namespace gridora
