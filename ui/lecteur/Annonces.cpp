#include "ui/lecteur/Annonces.h"

#include "ui/aides/Explication.h"
#include "ui/aides/Indice.h"
#include "ui/aides/MarqueGagnable.h"
#include "ui/clavier/CurseurPlateau.h"
#include "ui/dessin/Apparence.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/lecteur/Accessibilite.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <utility>

namespace marbello {

namespace {

// A sentence told, as an entry of the window.
class Parole : public QAccessibleInterface {
public:
    Parole(const Annonces& annonces, QString texte)
        : annonces_(&annonces), texte_(std::move(texte)) {}

    bool isValid() const override { return !annonces_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Fenetre()->window(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return Fenetre(); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*enfant*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? texte_ : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*texte*/) override {}
    QRect rect() const override { return Fenetre()->rect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State etat;
        etat.focusable = true;
        // The sentence before the last keeps it, so that a screen reader that reads it late
        // still says it before the last.
        etat.focused = isValid() && static_cast<QWidget*>(annonces_->parent())->isActiveWindow();
        return etat;
    }

private:
    QAccessibleInterface* Fenetre() const {
        return QAccessible::queryAccessibleInterface(
            static_cast<QWidget*>(annonces_->parent())->window());
    }

    QPointer<const Annonces> annonces_;
    QString texte_;
};

} // namespace

Annonces::Annonces(FMarbello& fenetre, const Invites& invites)
    : QObject(&invites.curseur), fenetre_(fenetre), curseur_(invites.curseur) {
    setObjectName(QStringLiteral("Annonces"));
    coloration_ = Coloration();
    const Cellule c = curseur_.Curseur();
    caseCurseur_ = fenetre_.Jeu().Plateau()(c.x, c.y);
    connect(&curseur_, &CurseurPlateau::curseurDeplace, this, &Annonces::Deplace);
    connect(&curseur_, &CurseurPlateau::billeLeveeChangee, this, &Annonces::LeveeChangee);
    connect(&curseur_, &CurseurPlateau::sautRefuse, this, [this] {
        refus_ = true;
        Dire(QStringLiteral(" "));
    });
    connect(&fenetre, &FMarbello::PlateauChange, this, &Annonces::PlateauChange);
    connect(&fenetre, &FMarbello::ColorationChange, this, [this] { Dire(QStringLiteral(" ")); });
    connect(&fenetre, &FMarbello::Dit, this, &Annonces::Dire);
    connect(&invites.indice, &Indice::Annonce, this, &Annonces::Dire);
    connect(&invites.explication, &Explication::Annonce, this, &Annonces::Dire);
    connect(&invites.marque, &MarqueGagnable::EtatMontre, this,
            [this, &marque = invites.marque](std::optional<bool> gagnable) {
                if (!marque.Active()) {
                    if (etatMarque_) {
                        Dire(QStringLiteral("Marque éteinte"));
                    }
                    etatMarque_.reset();
                } else if (gagnable && gagnable != etatMarque_) {
                    etatMarque_ = gagnable;
                    Dire(MarqueGagnable::TexteEtat(*gagnable));
                }
            });
}

Annonces* Annonces::De(const QWidget& widget) {
    const auto* curseur =
        widget.window()->findChild<CurseurPlateau*>(QString(), Qt::FindDirectChildrenOnly);
    return curseur != nullptr ? curseur->findChild<Annonces*>(QString(), Qt::FindDirectChildrenOnly)
                              : nullptr;
}

QString Annonces::Etat() const {
    return Joindre(
        {TexteTrou(fenetre_, curseur_.Curseur()), fenetre_.ControlesDuJeu().message->text()});
}

// Sentences end with a full stop, unless they have their own.
QString Annonces::Joindre(const QStringList& phrases) {
    QString texte;
    for (const QString& phrase : phrases) {
        if (phrase.isEmpty()) {
            continue;
        }
        if (!texte.isEmpty()) {
            texte += texte.back().isPunct() ? QStringLiteral(" ") : QStringLiteral(". ");
        }
        texte += phrase;
    }
    return texte;
}

QString Annonces::TexteTrou(const FMarbello& fenetre, Cellule c) {
    const bool bille = !fenetre.ImageTrou(NumeroBille(c.x, c.y)).isNull();
    QString texte = QStringLiteral("Ligne %1, colonne %2, %3")
                        .arg(c.y - 1)
                        .arg(c.x - 1)
                        .arg(bille ? QStringLiteral("bille") : QStringLiteral("trou vide"));
    if (bille && fenetre.ModeDamier()) {
        texte += CouleurCase(NumeroBille(c.x, c.y)) == Couleur::Noire ? QStringLiteral(" noire")
                                                                      : QStringLiteral(" blanche");
    }
    return texte;
}

// A colon is read out by name: the spoken text has a comma in its place.
void Annonces::Dire(const QString& texte) {
    if (texte.isEmpty()) {
        return;
    }
    QString dit = texte;
    phrases_ << dit.replace(QStringLiteral(" : "), QStringLiteral(", "));
    if (!prevue_) {
        prevue_ = true;
        QTimer::singleShot(0, this, &Annonces::Parler);
    }
}

// The cursor's hole is said again when the change reached it.
void Annonces::PlateauChange() {
    plateau_ = true;
    const Cellule c = curseur_.Curseur();
    const int32_t maintenant = fenetre_.Jeu().Plateau()(c.x, c.y);
    trou_ = trou_ || maintenant != caseCurseur_;
    caseCurseur_ = maintenant;
    Dire(QStringLiteral(" ")); // only to have the sentence said
}

void Annonces::Deplace(Cellule c) {
    caseCurseur_ = fenetre_.Jeu().Plateau()(c.x, c.y);
    trou_ = true;
    Dire(QStringLiteral(" "));
}

void Annonces::LeveeChangee() {
    const std::optional<Cellule> avant = levee_;
    levee_ = curseur_.BilleLevee();
    if (levee_) {
        trou_ = true;
        Dire(QStringLiteral("levée"));
    } else if (avant) {
        posee_ = avant;
        Dire(QStringLiteral(" "));
    }
}

QString Annonces::Coloration() const {
    return fenetre_.ModeDamier() ? TexteDamier : QStringLiteral("Normal");
}

// Said once the gesture is over: the cursor's hole first, then what befell it.
void Annonces::Parler() {
    prevue_ = false;
    QStringList dites;
    const QString coloration = Coloration();
    if (coloration != coloration_) {
        coloration_ = coloration;
        dites << coloration;
        trou_ = true;
    }
    if (trou_) {
        dites << TexteTrou(fenetre_, curseur_.Curseur());
    }
    if (refus_) {
        dites << QStringLiteral("Saut impossible");
    } else if (posee_ && !plateau_) {
        dites << QStringLiteral("posée");
    }
    // A screen reader speaks only the last of two sentences told within a few milliseconds: the
    // messages of the one before, told that soon, are said again.
    const auto maintenant = std::chrono::steady_clock::now();
    QStringList messages;
    for (const QString& phrase : std::as_const(phrases_)) {
        if (!phrase.trimmed().isEmpty()) {
            messages << phrase;
        }
    }
    if (!messages.isEmpty()) {
        if (maintenant - dernierMessage_ < std::chrono::milliseconds(300)) {
            dites = messagesAvant_ + dites;
        }
        dernierMessage_ = maintenant;
        messagesAvant_ = messages;
    }
    dites << messages;
    phrases_.clear();
    trou_ = plateau_ = false;
    posee_.reset();
    refus_ = false;
    if (dites.isEmpty()) {
        return;
    }
    derniere_ = Joindre(dites);
    if (QAccessible::isActive() && curseur_.isActiveWindow()) {
        // Orca speaks no change of name or description that Qt 6.4 sends, since Qt gives the
        // object in place of the new text; it speaks a new focus. Each sentence is an entry of
        // the window that takes the focus of screen readers; the keyboard's stays where it is.
        auto* parole = new Parole(*this, derniere_);
        parole_ = QAccessible::registerAccessibleInterface(parole);
        QAccessibleEvent evenement(parole, QAccessible::Focus);
        QAccessible::updateAccessibility(&evenement);
        // The one before stays while a screen reader may still read it as the former focus.
        if (ancienne_ != 0) {
            QAccessible::deleteAccessibleInterface(ancienne_);
        }
        ancienne_ = std::exchange(avant_, parole_);
    }
}

} // namespace marbello
