#include "ui/aides/MarqueGagnable.h"

#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/TravailleurRecherche.h"

#include <QPainter>
#include <QSettings>

namespace marbello {

namespace {

const QString Cle = QStringLiteral("MarqueGagnable");

QSettings Reglages() {
    return QSettings(QStringLiteral("Marbello"), QStringLiteral("Marbello"));
}

} // namespace

MarqueGagnable::MarqueGagnable(FMarbello& fenetre, TravailleurRecherche& travailleur)
    : QWidget(&fenetre), fenetre_(fenetre), travailleur_(travailleur),
      active_(Reglages().value(Cle, false).toBool()) {
    setObjectName(QStringLiteral("MarqueGagnable"));
    // In the navy ring left empty between the board disc and the skin's edge, below left.
    setGeometry(64, 316, 18, 18);
    hide();
    connect(&travailleur_, &TravailleurRecherche::Reponse, this, &MarqueGagnable::Recevoir);
    connect(&fenetre_, &FMarbello::PlateauChange, this, &MarqueGagnable::Suivre);
}

QString MarqueGagnable::TexteEtat(bool gagnable) {
    return gagnable ? QStringLiteral("Une solution existe") : QStringLiteral("Pas de solution");
}

void MarqueGagnable::Activer(bool active) {
    active_ = active;
    Reglages().setValue(Cle, active);
    Suivre();
}

// A change while an answer is pending asks for the new position, which gives up the old search.
void MarqueGagnable::Suivre() {
    const Partie& jeu = fenetre_.Jeu();
    if (!active_ || !jeu.PartieEnCours()) {
        // Once the game is over nobody needs the answer; turned off, the mark leaves alone a
        // search that may be the button's.
        if (question_ && !jeu.PartieEnCours()) {
            travailleur_.Arreter();
        }
        position_.reset();
        question_.reset();
        Montrer(std::nullopt);
        return;
    }
    if (position_ == jeu.Plateau()) {
        return;
    }
    position_ = jeu.Plateau();
    Montrer(std::nullopt);
    question_ = travailleur_.Chercher(*position_);
}

// A stopped search, the player's or one given up for another question, leaves the mark unknown
// until a search about its position ends, whoever asked it: asking again would stop the other
// question's search in turn.
void MarqueGagnable::Recevoir(const ReponseRecherche& reponse) {
    if (!question_ || !question_->Repond(reponse) || reponse.arretee) {
        return;
    }
    question_.reset();
    Montrer(reponse.solution.has_value());
}

void MarqueGagnable::Montrer(std::optional<bool> gagnable) {
    if (gagnable == gagnable_) {
        return;
    }
    gagnable_ = gagnable;
    const QString texte = gagnable ? TexteEtat(*gagnable) : QString();
    setAccessibleName(texte);
    setToolTip(texte);
    setVisible(gagnable.has_value());
    update();
    emit EtatMontre(gagnable);
}

void MarqueGagnable::paintEvent(QPaintEvent* /*event*/) {
    if (!gagnable_) {
        return;
    }
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cadre = QRectF(rect()).adjusted(1, 1, -1, -1);
    peintre.setPen(QPen(Qt::white, 1.5));
    const QPointF c = cadre.center();
    if (*gagnable_) {
        peintre.setBrush(QColor(0, 150, 60));
        peintre.drawEllipse(cadre);
        peintre.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        peintre.drawPolyline(
            QPolygonF{c + QPointF(-4.5, 0.5), c + QPointF(-1.5, 3.5), c + QPointF(4.5, -3.5)});
    } else {
        peintre.setBrush(QColor(210, 30, 30));
        peintre.drawRect(cadre.adjusted(1, 1, -1, -1));
        peintre.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        peintre.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
        peintre.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
    }
}

} // namespace marbello
