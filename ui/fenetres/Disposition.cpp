#include "ui/fenetres/Disposition.h"

#include "ui/dessin/Apparence.h"

#include <QFontMetrics>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>

namespace marbello {

void Colorer(QWidget* controle, const QColor& texte) {
    QPalette palette = controle->palette();
    palette.setColor(QPalette::WindowText, texte);
    controle->setPalette(palette);
}

QFrame* CreerCadre(QWidget* parent, const char* nom, const QRect& place) {
    auto* cadre = new QFrame(parent);
    cadre->setObjectName(QString::fromLatin1(nom));
    cadre->setGeometry(place);
    cadre->setFrameShape(QFrame::NoFrame);
    QPalette palette = cadre->palette();
    palette.setColor(QPalette::Window, Marine);
    cadre->setPalette(palette);
    cadre->setAutoFillBackground(true);
    cadre->hide();
    return cadre;
}

QLabel* CreerEtiquette(QWidget* parent, const QString& nom, const QRect& place,
                       const QString& texte, const QColor& couleur, Qt::Alignment alignement) {
    auto* etiquette = new QLabel(texte, parent);
    etiquette->setObjectName(nom);
    etiquette->setGeometry(place);
    etiquette->setAlignment(alignement);
    etiquette->setWordWrap(true);
    etiquette->setTextFormat(Qt::PlainText);
    Colorer(etiquette, couleur);
    return etiquette;
}

QPushButton* CreerBouton(QWidget* parent, const char* nom, const QRect& place,
                         const QString& texte) {
    auto* bouton = new QPushButton(texte, parent);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setGeometry(place);
    return bouton;
}

QFont PoliceArial(double points) {
    QFont police;
    police.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(points);
    return police;
}

QFont PoliceLien(double points) {
    QFont police = PoliceArial(points);
    police.setBold(true);
    police.setUnderline(true);
    return police;
}

void AjusterPolice(QLabel* etiquette) {
    QFont police = etiquette->font();
    const int drapeaux =
        static_cast<int>(etiquette->alignment()) | (etiquette->wordWrap() ? Qt::TextWordWrap : 0);
    while (police.pointSizeF() > 6.0 &&
           !etiquette->contentsRect().contains(QFontMetrics(police).boundingRect(
               etiquette->contentsRect(), drapeaux, etiquette->text()))) {
        police.setPointSizeF(police.pointSizeF() - 0.25);
    }
    etiquette->setFont(police);
}

void ListeParties::rowsAboutToBeRemoved(const QModelIndex& parent, int debut, int fin) {
    const QModelIndex courant = currentIndex();
    if (courant.isValid() && courant.parent() == parent && courant.row() >= debut &&
        courant.row() <= fin) {
        selectionModel()->clear();
    }
    QListView::rowsAboutToBeRemoved(parent, debut, fin);
}

} // namespace marbello
