#include "ui/Accessibilite.h"

#include "model/Grille.h"
#include "ui/CurseurPlateau.h"
#include "ui/Liens.h"
#include "ui/Vignette.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>
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
        // Never a control the player cannot reach: a link of the hidden help panel.
        if (action == pressAction() && widget()->isEnabled() && widget()->isVisible()) {
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
    // The message line's caption, or the hint's spoken text.
    QString Texte() const {
        const auto* ligne = qobject_cast<const QLabel*>(widget());
        return ligne != nullptr ? ligne->text() : widget()->property("texte").toString();
    }
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

QWidget* ImageBille(const QWidget& fenetre, int k) {
    return fenetre.findChild<QWidget*>(QStringLiteral("imgBille%1").arg(k));
}

// The board as a table of 7 by 7 cells, 33 of which are holes; the keyboard's cursor is its
// focused cell and a picked-up marble its selected one.
class Plateau : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit Plateau(CurseurPlateau* curseur) : QAccessibleWidget(curseur, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Plateau") : QString();
    }
    int childCount() const override { return NbTrous; }
    // None past the 33 holes: no image bears such a number.
    QAccessibleInterface* child(int index) const override {
        return QAccessible::queryAccessibleInterface(ImageBille(*widget()->window(), index));
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        for (int k = 0; enfant != nullptr && k < NbTrous; ++k) {
            if (enfant->object() == ImageBille(*widget()->window(), k)) {
                return k;
            }
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        const Cellule c = Curseur().Curseur();
        return widget()->hasFocus() ? child(NumeroBille(c.x, c.y)) : nullptr;
    }

    QAccessibleInterface* cellAt(int ligne, int colonne) const override {
        return child(NumeroBille(colonne + 2, ligne + 2));
    }
    int rowCount() const override { return 7; }
    int columnCount() const override { return 7; }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        const std::optional<Cellule> levee = Curseur().BilleLevee();
        return levee ? QList<QAccessibleInterface*>{child(NumeroBille(levee->x, levee->y))}
                     : QList<QAccessibleInterface*>{};
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int /*colonne*/) const override { return {}; }
    QString rowDescription(int /*ligne*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*colonne*/) const override { return false; }
    bool isRowSelected(int /*ligne*/) const override { return false; }
    bool selectRow(int /*ligne*/) override { return false; }
    bool selectColumn(int /*colonne*/) override { return false; }
    bool unselectRow(int /*ligne*/) override { return false; }
    bool unselectColumn(int /*colonne*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

private:
    const CurseurPlateau& Curseur() const { return *static_cast<CurseurPlateau*>(widget()); }
};

// A hole of the board: where it lies, and whether a marble is in it as the player sees it; in
// checkerboard mode the marble's colour is its description.
class Case : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    Case(Vignette* bille, int numero)
        : QAccessibleWidget(bille, QAccessible::Cell), numero_(numero),
          cellule_(CelluleBille(numero)) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        const bool bille = static_cast<const Vignette*>(widget())->AUneImage();
        if (t == QAccessible::Name) {
            return QStringLiteral("Ligne %1, colonne %2 : %3")
                .arg(rowIndex() + 1)
                .arg(columnIndex() + 1)
                .arg(bille ? QStringLiteral("bille") : QStringLiteral("trou vide"));
        }
        const auto* damier = widget()->window()->findChild<QLabel*>(QStringLiteral("BOUTON1"));
        if (t != QAccessible::Description || !bille || damier->text() != QStringLiteral("Normal")) {
            return {};
        }
        return CouleurCase(numero_) == Couleur::Noire ? QStringLiteral("noire")
                                                      : QStringLiteral("blanche");
    }
    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        const CurseurPlateau* curseur = Curseur();
        etat.focusable = etat.selectable = true;
        etat.focused = curseur != nullptr && curseur->hasFocus() && curseur->Curseur() == cellule_;
        etat.selected = isSelected();
        return etat;
    }
    QAccessibleInterface* parent() const override { return table(); }

    bool isSelected() const override {
        return Curseur() != nullptr && Curseur()->BilleLevee() == cellule_;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cellule_.x - 2; }
    int rowIndex() const override { return cellule_.y - 2; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return Curseur() != nullptr ? QAccessible::queryAccessibleInterface(Curseur())
                                    : QAccessibleWidget::parent();
    }

private:
    // The board's keyboard focus; none while the window is still being built.
    CurseurPlateau* Curseur() const {
        return widget()->window()->findChild<CurseurPlateau*>(QString(),
                                                              Qt::FindDirectChildrenOnly);
    }

    int numero_;
    Cellule cellule_;
};

// A mark drawn over the window, which neither the mouse nor the keys reach; the hint, spoken, is
// no mere mark.
bool Trace(const QWidget& controle) {
    return controle.testAttribute(Qt::WA_TransparentForMouseEvents) &&
           controle.focusPolicy() == Qt::NoFocus;
}

// The main window, without what only draws: the marble images (the board's cells), the picture
// stores, the navy disc and the marks; the board comes first.
class Fenetre : public QAccessibleWidget {
public:
    explicit Fenetre(QWidget* fenetre) : QAccessibleWidget(fenetre, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Enfants().size()); }
    QAccessibleInterface* child(int index) const override {
        return QAccessible::queryAccessibleInterface(Enfants().value(index));
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
            if (qobject_cast<CurseurPlateau*>(enfant) != nullptr) {
                enfants.prepend(enfant);
            } else if (!nom.isEmpty() && (!Trace(*enfant) || nom == QStringLiteral("Indice")) &&
                       !nom.startsWith(QStringLiteral("imgBille")) &&
                       !nom.startsWith(QStringLiteral("Image3_")) &&
                       nom != QStringLiteral("Image2") && nom != QStringLiteral("Shape1")) {
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

enum class Sorte { Standard, Fenetre, Bouton, Message, Marque, Attente, Lien, Plateau, Case };

// What a control of the main window is to a screen reader, by its layout name.
Sorte SorteDe(const QWidget* controle) {
    if (controle == nullptr || controle->window()->objectName() != NomFenetre) {
        return Sorte::Standard;
    }
    const QString nom = controle->objectName();
    if (controle->isWindow()) {
        return Sorte::Fenetre;
    }
    if (qobject_cast<const CurseurPlateau*>(controle) != nullptr) {
        return Sorte::Plateau;
    }
    if (nom.startsWith(QStringLiteral("imgBille"))) {
        return Sorte::Case;
    }
    if (nom.startsWith(QStringLiteral("BOUTON")) || nom.startsWith(QStringLiteral("Image1_"))) {
        return Sorte::Bouton;
    }
    if (nom == QStringLiteral("Label3") || nom == QStringLiteral("Indice")) {
        return Sorte::Message;
    }
    if (nom == QStringLiteral("Frame5")) {
        return Sorte::Attente;
    }
    if (nom == QStringLiteral("MarqueGagnable")) {
        return Sorte::Marque;
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
    case Sorte::Marque: // read, like the message line, as a state of the game; named by the mark
        return new QAccessibleWidget(controle, QAccessible::StatusBar);
    case Sorte::Lien:
        return new Lien(controle, AdresseDuLien(controle->objectName()));
    case Sorte::Plateau:
        return new Plateau(static_cast<CurseurPlateau*>(controle));
    case Sorte::Case:
        return new Case(static_cast<Vignette*>(controle), controle->objectName().mid(8).toInt());
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
    if (auto* curseur = racine.findChild<CurseurPlateau*>(QString(), Qt::FindDirectChildrenOnly)) {
        const auto signaler = [curseur](Cellule c, QAccessible::Event type) {
            QAccessibleEvent evenement(ImageBille(*curseur->window(), NumeroBille(c.x, c.y)), type);
            QAccessible::updateAccessibility(&evenement);
        };
        QObject::connect(curseur, &CurseurPlateau::curseurDeplace, curseur,
                         [curseur, signaler](Cellule c) {
                             if (curseur->hasFocus()) {
                                 signaler(c, QAccessible::Focus);
                             }
                         });
        QObject::connect(curseur, &CurseurPlateau::billeLeveeChangee, curseur,
                         [curseur, signaler, avant = std::optional<Cellule>()]() mutable {
                             if (avant) {
                                 signaler(*avant, QAccessible::SelectionRemove);
                             }
                             avant = curseur->BilleLevee();
                             if (avant) {
                                 signaler(*avant, QAccessible::SelectionAdd);
                             }
                         });
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

void AnnoncerImage(QWidget& image) {
    if (QAccessible::isActive()) {
        QAccessibleEvent nom(&image, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nom);
        QAccessibleEvent description(&image, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
    }
}

void AnnoncerMessage(QWidget& ligne, const QString& ancien, const QString& texte) {
    if (texte == ancien || !QAccessible::isActive()) {
        return;
    }
    QAccessibleTextUpdateEvent evenement(&ligne, 0, ancien, texte);
    QAccessible::updateAccessibility(&evenement);
}

} // namespace marbello
