#include "ui/aides/Explication.h"

#include "ui/dessin/Apparence.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/TravailleurRecherche.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>

namespace marbello {

namespace {

constexpr int LargeurBulle = 300;

// One colour per class of a diagonal colouring: (x + y) mod 3, or (x - y) mod 3.
const std::array<QColor, 3> CouleursClasses{QColor(230, 60, 60), QColor(50, 190, 80),
                                            QColor(240, 210, 40)};
const std::array<const char*, 3> NomsClasses{"rouge", "verte", "jaune"};

int Classe(int n) {
    return ((n % 3) + 3) % 3;
}

QString NomCase(Cellule c) {
    return QStringLiteral("ligne %1, colonne %2").arg(c.y - 1).arg(c.x - 1);
}

QString NomCoup(Cellule depart, Cellule arrivee) {
    return NomCase(depart) + QStringLiteral(" vers ") + NomCase(arrivee);
}

bool Bille(Bits billes, Cellule c) {
    return ((billes >> BitCase(c.x, c.y)) & 1) != 0;
}

// The jump from one position of the record to the next; nothing when they differ otherwise (a
// marble put in or taken out by hand).
std::optional<std::pair<Cellule, Cellule>> CoupEntre(Bits avant, Bits apres) {
    for (const Saut& s : Tables.sauts) {
        if ((avant ^ s.masque) == apres && Bille(avant, CaseDuBit(s.depart))) {
            return std::pair{CaseDuBit(s.depart), CaseDuBit(s.arrivee)};
        }
    }
    return std::nullopt;
}

} // namespace

Explication::Explication(FMarbello& fenetre, TravailleurRecherche& travailleur, QWidget& marque)
    : QWidget(&fenetre), fenetre_(fenetre), travailleur_(travailleur), marque_(marque),
      partie_(fenetre.Jeu()) {
    setObjectName(QStringLiteral("Explication"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();

    bulle_ =
        new QWidget(&fenetre, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    bulle_->setObjectName(QStringLiteral("BulleExplication"));
    bulle_->setAttribute(Qt::WA_ShowWithoutActivating);
    bulle_->setAccessibleName(QStringLiteral("Pourquoi est-ce perdu ?"));
    QPalette palette = bulle_->palette();
    palette.setColor(QPalette::Window, Marine);
    palette.setColor(QPalette::WindowText, Qt::white);
    bulle_->setPalette(palette);
    bulle_->setAutoFillBackground(true);
    auto* disposition = new QVBoxLayout(bulle_);
    disposition->setContentsMargins(12, 10, 12, 10);
    texte_ = new QLabel(bulle_);
    texte_->setWordWrap(true);
    texte_->setTextFormat(Qt::PlainText);
    texte_->setFixedWidth(LargeurBulle - 24);
    QFont police = fenetre.font();
    police.setPointSizeF(9.5);
    texte_->setFont(police);
    disposition->addWidget(texte_);
    bulle_->hide();

    marque_.installEventFilter(this);
    connect(&travailleur_, &TravailleurRecherche::Reponse, this, &Explication::Recevoir);
    connect(&fenetre_, &FMarbello::PlateauChange, this, &Explication::Fermer);
    connect(&fenetre_, &FMarbello::PanneauChange, this, [this](bool ouvert) {
        if (ouvert) {
            Fermer();
        }
    });
}

// Every complete answer is kept: together they tell which positions of the record were winnable.
void Explication::Recevoir(const ReponseRecherche& reponse) {
    if (reponse.arretee) {
        return;
    }
    Connue connue{reponse.solution.has_value(), reponse.positions, std::nullopt};
    if (reponse.solution && reponse.solution->Coups.size() > 1) {
        connue.suivant = reponse.solution->Coups[1];
    }
    connues_[reponse.position] = connue;
}

std::optional<bool> Explication::Gagnable(Bits position) const {
    const auto connue = connues_.find(position);
    if (connue != connues_.end()) {
        return connue->second.gagnable;
    }
    if (PreuveCourte(position)) {
        return false;
    }
    return std::nullopt;
}

bool Explication::Expliquable() const {
    if (fenetre_.PanneauOuvert()) {
        return false;
    }
    const auto connue = connues_.find(BitsDepuisGrille(partie_.Plateau()));
    return partie_.PartieEnCours() && connue != connues_.end() && !connue->second.gagnable;
}

void Explication::Montrer() {
    if (!Expliquable()) {
        return;
    }
    const Bits position = BitsDepuisGrille(partie_.Plateau());
    const auto connue = connues_.find(position);
    Certificat preuve;
    if (auto courte = PreuveCourte(position)) {
        preuve = *courte;
    } else {
        preuve.genre = GenrePreuve::Recherche;
        preuve.trous = TrousFinaux(position);
        preuve.positions = std::max<uint64_t>(connue->second.positions, 1);
    }
    preuve_ = preuve;
    position_ = position;

    texte_->setText(Texte());
    bulle_->setAccessibleDescription(Texte());
    bulle_->adjustSize();
    Placer();
    bulle_->show();
    bulle_->raise();
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
    qApp->installEventFilter(this);
    QAccessibleEvent alerte(bulle_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerte);
    emit Annonce(Texte().split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' ')));
}

void Explication::Fermer() {
    if (!preuve_) {
        return;
    }
    preuve_.reset();
    qApp->removeEventFilter(this);
    bulle_->hide();
    bulle_->setAccessibleDescription({});
    texte_->clear();
    hide();
}

// Beside the main window, on the right where the screen has room, else on the left; on a screen
// too small for either, kept on the screen.
void Explication::Placer() {
    const QWidget& fenetre = *parentWidget();
    const QRect cadre = fenetre.frameGeometry();
    QPoint coin(cadre.right() + 8, cadre.top() + 40);
    const QScreen* ecran = fenetre.screen();
    if (ecran == nullptr) {
        bulle_->move(coin);
        return;
    }
    const QRect libre = ecran->availableGeometry();
    if (coin.x() + bulle_->width() > libre.right()) {
        coin.setX(cadre.left() - 8 - bulle_->width());
    }
    coin.setX(std::clamp(coin.x(), libre.left(),
                         std::max(libre.left(), libre.right() - bulle_->width())));
    coin.setY(std::clamp(coin.y(), libre.top(),
                         std::max(libre.top(), libre.bottom() - bulle_->height())));
    bulle_->move(coin);
}

QString Explication::TexteDuCoup() const {
    const auto& historique = partie_.Historique();
    const int courant = partie_.CoupCourant();
    if (historique[static_cast<size_t>(courant)] != partie_.Plateau()) {
        return {};
    }
    // The last position of the record known to be winnable, and the move played from it, when
    // the position after it is known lost.
    for (int k = courant - 1; k >= 0; --k) {
        const Bits avant = BitsDepuisGrille(historique[static_cast<size_t>(k)]);
        const std::optional<bool> gagnable = Gagnable(avant);
        if (gagnable != true) {
            continue;
        }
        const Bits apres = BitsDepuisGrille(historique[static_cast<size_t>(k) + 1]);
        const auto coup = CoupEntre(avant, apres);
        if (Gagnable(apres) != false || !coup) {
            return {};
        }
        QString texte = QStringLiteral("\n\nLe coup qui a perdu la partie : %1.")
                            .arg(NomCoup(coup->first, coup->second));
        if (const auto& suivant = connues_.at(avant).suivant) {
            const Cellule pas = PasDirection(suivant->Direction).value_or(Cellule{});
            const Cellule depart{suivant->X, suivant->Y};
            texte += QStringLiteral(" À sa place, %1 gardait la partie gagnable.")
                         .arg(NomCoup(depart, {depart.x + 2 * pas.x, depart.y + 2 * pas.y}));
        }
        return texte;
    }
    return {};
}

QString Explication::Texte() const {
    if (!preuve_) {
        return {};
    }
    QString texte = QStringLiteral("Pourquoi est-ce perdu ?\n\n") +
                    QString::fromStdString(TextePreuve(*preuve_));
    if (preuve_->genre == GenrePreuve::Classes) {
        std::array<std::array<int, 3>, 2> comptes{};
        for (int k = 0; k < NbTrous; ++k) {
            const Cellule c = CelluleBille(k);
            if (Bille(position_, c)) {
                ++comptes[0][static_cast<size_t>(Classe(c.x + c.y))];
                ++comptes[1][static_cast<size_t>(Classe(c.x - c.y))];
            }
        }
        const auto liste = [](const std::array<int, 3>& n) {
            QStringList morceaux;
            for (size_t c = 0; c < 3; ++c) {
                // French puts 0 and 1 in the singular.
                morceaux << QStringLiteral("%1 %2%3").arg(n[c]).arg(
                    QString::fromUtf8(NomsClasses[c]), n[c] > 1 ? QStringLiteral("s") : QString());
            }
            return morceaux.join(QStringLiteral(", "));
        };
        texte += QStringLiteral("\n\nSur le plateau, la moitié gauche de l'anneau de chaque trou a "
                                "la couleur de sa diagonale montante, la moitié droite celle de sa "
                                "diagonale descendante. Billes par couleur : %1 à gauche ; %2 à "
                                "droite.")
                     .arg(liste(comptes[0]), liste(comptes[1]));
    } else if (preuve_->genre == GenrePreuve::Poids) {
        texte += QStringLiteral("\n\nLes poids sont inscrits sur les trous.");
    } else if (preuve_->genre == GenrePreuve::Recherche && !preuve_->trous.empty()) {
        texte += QStringLiteral("\n\nLes trous cerclés sont ceux où la dernière bille pourrait "
                                "finir.");
    }
    return texte + TexteDuCoup();
}

bool Explication::eventFilter(QObject* objet, QEvent* event) {
    const auto type = event->type();
    const bool appui = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (objet == &marque_ && appui) {
        // A press that asks or closes does not move the window.
        if (Montree()) {
            Fermer();
            return true;
        }
        Montrer();
        return Montree();
    }
    if (!Montree()) {
        return false;
    }
    // The window's own copy of a press comes first: only the widget's closes, so that the mark
    // still sees its own.
    const bool echap = (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) &&
                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if ((appui && objet->isWidgetType()) || echap) {
        Fermer();
    }
    return false;
}

void Explication::paintEvent(QPaintEvent* /*event*/) {
    if (!preuve_) {
        return;
    }
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setBrush(Qt::NoBrush);
    for (const int k : preuve_->trous) {
        const QRectF trou =
            QRectF(fenetre_.ControlesDuJeu().Place(CelluleBille(k))).adjusted(0.5, 0.5, -0.5, -0.5);
        peintre.setPen(QPen(QColor(20, 20, 20), 4.5));
        peintre.drawEllipse(trou);
        peintre.setPen(QPen(QColor(255, 215, 0), 2.5));
        peintre.drawEllipse(trou);
    }
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        const QRectF trou = QRectF(fenetre_.ControlesDuJeu().Place(c)).adjusted(2, 2, -2, -2);
        if (preuve_->genre == GenrePreuve::Classes) {
            // A ring of two halves around the hole, so that its marble or its emptiness shows.
            const QRectF anneau = trou.adjusted(-0.5, -0.5, 0.5, 0.5);
            for (const auto& [debut, classe] :
                 {std::pair{90, Classe(c.x + c.y)}, std::pair{-90, Classe(c.x - c.y)}}) {
                peintre.setPen(QPen(CouleursClasses[static_cast<size_t>(classe)], 5.0,
                                    Qt::SolidLine, Qt::FlatCap));
                peintre.drawArc(anneau, debut * 16, 180 * 16);
            }
        }
        if (preuve_->genre == GenrePreuve::Poids) {
            // In the hole's lower right corner: the marble, or its absence, still shows.
            const QRectF pastille(trou.bottomRight() - QPointF(13, 11), QSizeF(15, 13));
            peintre.setPen(QPen(Qt::white, 1.0));
            peintre.setBrush(QColor(0, 0, 90, 215));
            peintre.drawRoundedRect(pastille, 3, 3);
            QFont police = font();
            police.setBold(true);
            police.setPixelSize(11);
            peintre.setFont(police);
            peintre.drawText(pastille, Qt::AlignCenter,
                             QString::number(preuve_->poids[static_cast<size_t>(k)]));
        }
    }
}

} // namespace marbello
