#include "ui/Accessibilite.h"

#include "ui/Liens.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <utility>

namespace marbello {

namespace {

const QString NomFenetre = QStringLiteral("FMarbello");

// A click as the mouse makes it, so that it runs the control's own handler with its guards. It
// comes after the caller has had its answer: a search runs inside its click.
void Cliquer(QWidget* controle) {
    QMetaObject::invokeMethod(
        controle,
        [controle] {
            const QPointF centre = QRectF(controle->rect()).center();
            const QPointF global = controle->mapToGlobal(centre);
            QMouseEvent appui(QEvent::MouseButtonPress, centre, global, Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(controle, &appui);
            QMouseEvent relache(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(controle, &relache);
        },
        Qt::QueuedConnection);
}

// A control that the mouse clicks: a label of the button bar, an icon, a link of the help panel.
class Cliquable : public QAccessibleWidget {
public:
    Cliquable(QWidget* controle, QAccessible::Role role) : QAccessibleWidget(controle, role) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            Cliquer(widget());
        }
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }
};

// A button of the bar or an icon: named by its caption, or by its tool-tip where the caption is
// only arrows or a picture. The tool-tip is its description.
class Bouton : public Cliquable {
public:
    explicit Bouton(QWidget* controle) : Cliquable(controle, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) {
            return QAccessibleWidget::text(t);
        }
        const auto* etiquette = qobject_cast<const QLabel*>(widget());
        const QString legende = etiquette != nullptr ? etiquette->text() : QString();
        const bool parlante =
            std::any_of(legende.begin(), legende.end(), [](QChar c) { return c.isLetter(); });
        return parlante ? legende : widget()->toolTip();
    }
    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.focusable = true;
        return etat;
    }
};

// A link of the help panel; its address is its description.
class Lien : public Cliquable, public QAccessibleHyperlinkInterface {
public:
    Lien(QWidget* controle, QUrl adresse)
        : Cliquable(controle, QAccessible::Link), adresse_(std::move(adresse)) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::HyperlinkInterface) {
            return static_cast<QAccessibleHyperlinkInterface*>(this);
        }
        return Cliquable::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return t == QAccessible::Description ? anchorTarget() : QString();
    }
    QString anchor() const override { return text(QAccessible::Name); }
    QString anchorTarget() const override { return adresse_.toString(); }
    int startIndex() const override { return 0; }
    int endIndex() const override { return static_cast<int>(anchor().size()); }
    bool isValid() const override { return adresse_.isValid(); }

private:
    QUrl adresse_;
};

// The message line, read as a status bar whose text is read whole.
class LigneMessage : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LigneMessage(QWidget* ligne) : QAccessibleWidget(ligne, QAccessible::StatusBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Texte() : QString();
    }

    QString text(int debut, int fin) const override { return Texte().mid(debut, fin - debut); }
    int characterCount() const override { return static_cast<int>(Texte().size()); }
    void selection(int /*index*/, int* debut, int* fin) const override { *debut = *fin = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int /*debut*/, int /*fin*/) override {}
    void removeSelection(int /*index*/) override {}
    void setSelection(int /*index*/, int /*debut*/, int /*fin*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QRect characterRect(int /*offset*/) const override { return rect(); }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*debut*/, int /*fin*/) override {}
    QString attributes(int /*offset*/, int* debut, int* fin) const override {
        *debut = 0;
        *fin = characterCount();
        return {};
    }

private:
    QString Texte() const { return static_cast<const QLabel*>(widget())->text(); }
};

// The waiting indicator: one busy animation; its twelve dots, which only change colour, are no
// objects of their own.
class Attente : public QAccessibleWidget {
public:
    explicit Attente(QWidget* cadre) : QAccessibleWidget(cadre, QAccessible::Animation) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Recherche en cours") : QString();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*enfant*/) const override { return -1; }
};

// The main window, without what only draws: the marble images (the board's cells), the picture
// stores and the navy disc.
class Fenetre : public QAccessibleWidget {
public:
    explicit Fenetre(QWidget* fenetre) : QAccessibleWidget(fenetre, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Enfants().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList enfants = Enfants();
        return index >= 0 && index < enfants.size()
                   ? QAccessible::queryAccessibleInterface(enfants[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        return enfant == nullptr
                   ? -1
                   : static_cast<int>(Enfants().indexOf(qobject_cast<QWidget*>(enfant->object())));
    }

private:
    QWidgetList Enfants() const {
        QWidgetList enfants;
        for (QObject* objet : widget()->children()) {
            auto* enfant = qobject_cast<QWidget*>(objet);
            if (enfant == nullptr || enfant->isWindow()) {
                continue;
            }
            const QString nom = enfant->objectName();
            if (!nom.startsWith(QStringLiteral("imgBille")) &&
                !nom.startsWith(QStringLiteral("Image3_")) && nom != QStringLiteral("Image2") &&
                nom != QStringLiteral("Shape1")) {
                enfants << enfant;
            }
        }
        return enfants;
    }
};

// The help panel's links and their addresses.
QUrl AdresseDuLien(const QString& nom) {
    if (nom == QStringLiteral("Label2")) {
        return AdresseCourrielAuteur(MARBELLO_VERSION_MAJEURE, MARBELLO_VERSION_MINEURE);
    }
    if (nom == QStringLiteral("Label4")) {
        return AdresseSiteAuteur();
    }
    return nom == QStringLiteral("Label6") ? AdresseArticle() : QUrl();
}

enum class Sorte { Standard, Fenetre, Bouton, Message, Attente, Lien };

// What a control of the main window is to a screen reader, by its layout name.
Sorte SorteDe(const QWidget* controle) {
    if (controle == nullptr || controle->window()->objectName() != NomFenetre) {
        return Sorte::Standard;
    }
    const QString nom = controle->objectName();
    if (controle->isWindow()) {
        return Sorte::Fenetre;
    }
    if (nom.startsWith(QStringLiteral("BOUTON")) || nom.startsWith(QStringLiteral("Image1_"))) {
        return Sorte::Bouton;
    }
    if (nom == QStringLiteral("Label3")) {
        return Sorte::Message;
    }
    if (nom == QStringLiteral("Frame5")) {
        return Sorte::Attente;
    }
    return AdresseDuLien(nom).isEmpty() ? Sorte::Standard : Sorte::Lien;
}

QAccessibleInterface* Fabrique(const QString& /*classe*/, QObject* objet) {
    auto* controle = qobject_cast<QWidget*>(objet);
    switch (SorteDe(controle)) {
    case Sorte::Fenetre:
        return new Fenetre(controle);
    case Sorte::Bouton:
        return new Bouton(controle);
    case Sorte::Message:
        return new LigneMessage(controle);
    case Sorte::Attente:
        return new Attente(controle);
    case Sorte::Lien:
        return new Lien(controle, AdresseDuLien(controle->objectName()));
    case Sorte::Standard:
        break;
    }
    return nullptr;
}

} // namespace

void InstallerAccessibilite() {
    static const bool installee = [] {
        QAccessible::installFactory(Fabrique);
        return true;
    }();
    (void)installee;
}

void PreparerAccessibilite(QWidget& racine) {
    // A label tells its text as it is built, before it has its name: the interface then made for
    // it is the standard one, which must make way for the game's.
    for (QWidget* controle : racine.findChildren<QWidget*>()) {
        if (SorteDe(controle) != Sorte::Standard) {
            QAccessible::deleteAccessibleInterface(
                QAccessible::uniqueId(QAccessible::queryAccessibleInterface(controle)));
        }
    }
    const std::array<std::pair<const char*, const char*>, 4> noms{{
        {"Command4", "Supprimer la partie choisie"},
        {"File1", "Parties enregistrées"},
        {"Text1", "Nom de la partie"},
        {"VScroll1", "Coup de la solution"},
    }};
    for (const auto& [controle, nom] : noms) {
        if (auto* trouve = racine.findChild<QWidget*>(QLatin1String(controle))) {
            trouve->setAccessibleName(QString::fromUtf8(nom));
        }
    }
}

void AnnoncerMessage(QLabel& ligne, const QString& ancien) {
    if (ligne.text() == ancien || !QAccessible::isActive()) {
        return;
    }
    QAccessibleTextUpdateEvent evenement(&ligne, 0, ancien, ligne.text());
    QAccessible::updateAccessibility(&evenement);
}

} // namespace marbello
