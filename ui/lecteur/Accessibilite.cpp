#include "ui/lecteur/Accessibilite.h"

#include "model/Grille.h"
#include "ui/aides/Indice.h"
#include "ui/aides/MarqueGagnable.h"
#include "ui/clavier/CurseurPlateau.h"
#include "ui/dessin/Forme.h"
#include "ui/dessin/Vignette.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/Liens.h"
#include "ui/lecteur/Annonces.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace marbello {

namespace {

enum class Sorte {
    Standard,
    Fenetre,
    Bouton,
    Message,
    Marque,
    Attente,
    Lien,
    Plateau,
    Case,
    Parties,
    Menu
};

// What a control of the main window is to a screen reader, as PreparerAccessibilite marked it from
// the controls the window hands over; its hole or its link in Indice.
const char* const ProprieteSorte = "marbelloSorte";
const char* const ProprieteIndice = "marbelloIndice";

Sorte SorteDe(const QWidget* controle) {
    if (controle == nullptr) {
        return Sorte::Standard;
    }
    if (qobject_cast<const CurseurPlateau*>(controle) != nullptr) {
        return Sorte::Plateau;
    }
    return static_cast<Sorte>(controle->property(ProprieteSorte).toInt());
}

int Indice(const QWidget* controle) {
    return controle->property(ProprieteIndice).toInt();
}

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

// None past the 33 holes.
QWidget* ImageBille(const QWidget& fenetre, int k) {
    const auto& trous = static_cast<const FMarbello&>(fenetre).ControlesDuJeu().trous;
    return k >= 0 && k < NbTrous ? trous[static_cast<size_t>(k)] : nullptr;
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
    // Its description is the cursor's hole and the message line.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return QStringLiteral("Plateau");
        }
        const Annonces* annonces = Annonces::De(*widget());
        return t == QAccessible::Description && annonces != nullptr ? annonces->Etat() : QString();
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
    // The focus stays on the board, whose description says the cursor's hole: a screen reader
    // would read a focused cell's whole row.
    QAccessibleInterface* focusChild() const override { return nullptr; }

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
        : QAccessibleWidget(bille, QAccessible::Cell), cellule_(CelluleBille(numero)) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name
                   ? Annonces::TexteTrou(*static_cast<const FMarbello*>(widget()->window()),
                                         cellule_)
                   : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.focusable = etat.selectable = true;
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

    Cellule cellule_;
};

// An entry of the context menu, read with its key as a shortcut: a screen reader takes a key
// binding of one field for a path through the menus.
class EntreeMenu : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EntreeMenu(QAction* action, QMenu* menu) : action_(action), menu_(menu) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return !action_.isNull() && !menu_.isNull(); }
    QObject* object() const override { return action_; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*enfant*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? action_->text() : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*texte*/) override {}
    QRect rect() const override {
        return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint()));
    }
    QAccessible::Role role() const override {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State etat;
        etat.focusable = !action_->isSeparator();
        etat.focused = etat.selected = menu_->activeAction() == action_;
        etat.disabled = !action_->isEnabled();
        etat.checkable = action_->isCheckable();
        etat.checked = action_->isChecked();
        etat.invisible = !menu_->isVisible();
        return etat;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && action_->isEnabled()) {
            menu_->hide();
            action_->trigger();
        }
    }
    // Mnemonic, path and shortcut, in the player's words.
    QStringList keyBindingsForAction(const QString& /*action*/) const override {
        QString touche = action_->shortcut().toString(QKeySequence::PortableText);
        touche.replace(QStringLiteral("Ctrl+"), QStringLiteral("Contrôle+"))
            .replace(QStringLiteral("Shift+"), QStringLiteral("Maj+"));
        return {QString(), QString(), touche};
    }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

// A saved game of the open panel's list, by its name alone: Qt would give each column of the
// folder's model (size, type, date) as an entry of its own.
class PartieListee : public QAccessibleInterface {
public:
    PartieListee(QListView* vue, int ligne) : vue_(vue), ligne_(ligne) {}

    bool isValid() const override { return !vue_.isNull(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(vue_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*enfant*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Index().data().toString() : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*texte*/) override {}
    QRect rect() const override {
        const QRect place = vue_->visualRect(Index());
        return QRect(vue_->viewport()->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State etat;
        etat.focusable = etat.selectable = true;
        etat.focused = vue_->hasFocus() && vue_->currentIndex() == Index();
        etat.selected = vue_->selectionModel()->isSelected(Index());
        return etat;
    }
    QModelIndex Index() const { return vue_->model()->index(ligne_, 0, vue_->rootIndex()); }

private:
    QPointer<QListView> vue_;
    int ligne_;
};

// The open panel's list: one entry per saved game.
class ListeDesParties : public QAccessibleWidget {
public:
    explicit ListeDesParties(QListView* vue) : QAccessibleWidget(vue, QAccessible::List) {}
    ~ListeDesParties() override {
        for (const QAccessible::Id id : std::as_const(entrees_)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return Vue()->model()->rowCount(Vue()->rootIndex()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (!entrees_.contains(index)) {
            entrees_[index] =
                QAccessible::registerAccessibleInterface(new PartieListee(Vue(), index));
        }
        return QAccessible::accessibleInterface(entrees_[index]);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        const auto* partie = dynamic_cast<const PartieListee*>(enfant);
        return partie != nullptr ? partie->Index().row() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return Vue()->hasFocus() ? child(Vue()->currentIndex().row()) : nullptr;
    }

private:
    QListView* Vue() const { return static_cast<QListView*>(widget()); }

    mutable QHash<int, QAccessible::Id> entrees_;
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

    // Its controls, then the sentence the game told last.
    int childCount() const override {
        return static_cast<int>(Enfants().size()) + (Parole() != nullptr ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList enfants = Enfants();
        return index == enfants.size()
                   ? Parole()
                   : QAccessible::queryAccessibleInterface(enfants.value(index));
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        const QWidgetList enfants = Enfants();
        if (enfant != nullptr && enfant == Parole()) {
            return static_cast<int>(enfants.size());
        }
        return enfant == nullptr
                   ? -1
                   : static_cast<int>(enfants.indexOf(qobject_cast<QWidget*>(enfant->object())));
    }

private:
    QAccessibleInterface* Parole() const {
        const Annonces* annonces = Annonces::De(*widget());
        return annonces != nullptr && annonces->Courante() != 0
                   ? QAccessible::accessibleInterface(annonces->Courante())
                   : nullptr;
    }
    QWidgetList Enfants() const {
        QWidgetList enfants;
        for (QObject* objet : widget()->children()) {
            auto* enfant = qobject_cast<QWidget*>(objet);
            if (enfant == nullptr || enfant->isWindow()) {
                continue;
            }
            // The holes are the board's; pictures that are no button, and the navy disc, only
            // draw.
            const Sorte sorte = SorteDe(enfant);
            const bool dessin =
                sorte == Sorte::Case ||
                (qobject_cast<Vignette*>(enfant) != nullptr && sorte != Sorte::Bouton) ||
                qobject_cast<Forme*>(enfant) != nullptr;
            if (sorte == Sorte::Plateau) {
                enfants.prepend(enfant);
            } else if (!enfant->objectName().isEmpty() && !dessin &&
                       (!Trace(*enfant) || sorte == Sorte::Message)) {
                enfants << enfant;
            }
        }
        return enfants;
    }
};

// The help panel's links, top to bottom, and their addresses.
QUrl AdresseDuLien(int lien) {
    switch (lien) {
    case 0:
        return AdresseArticle();
    case 1:
        return AdresseSiteAuteur();
    default:
        return AdresseCourrielAuteur(MARBELLO_VERSION_MAJEURE, MARBELLO_VERSION_MINEURE);
    }
}

// The panels for a screen reader: the help panel's text said as it opens; the build mode's keys.
class SuiviPanneaux : public QObject {
public:
    SuiviPanneaux(const Controles& controles, Annonces& annonces)
        : QObject(&annonces), controles_(controles), annonces_(annonces) {
        controles_.aide->installEventFilter(this);
        controles_.construction->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        if (event->type() == QEvent::Show && objet == controles_.construction) {
            annonces_.Dire(QStringLiteral("Construire une partie : Espace retire une bille, Plus "
                                          "en ajoute une, Contrôle+Entrée termine"));
        }
        if (event->type() == QEvent::Show && objet == controles_.aide) {
            annonces_.Dire(controles_.texteAide->text()
                               .remove(QStringLiteral("''"))
                               .split(QStringLiteral("\r\n"))
                               .join(u' '));
        }
        return false;
    }

private:
    const Controles& controles_;
    Annonces& annonces_;
};

QAccessibleInterface* Fabrique(const QString& /*classe*/, QObject* objet) {
    if (auto* action = qobject_cast<QAction*>(objet)) {
        for (QObject* associe : action->associatedObjects()) {
            auto* menu = qobject_cast<QMenu*>(associe);
            if (SorteDe(menu) == Sorte::Menu) {
                return new EntreeMenu(action, menu);
            }
        }
        return nullptr;
    }
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
        return new Lien(controle, AdresseDuLien(Indice(controle)));
    case Sorte::Plateau:
        return new Plateau(static_cast<CurseurPlateau*>(controle));
    case Sorte::Case:
        return new Case(static_cast<Vignette*>(controle), Indice(controle));
    case Sorte::Parties:
        return new ListeDesParties(static_cast<QListView*>(controle));
    case Sorte::Menu: // its items are the game's, the menu itself Qt's own
    case Sorte::Standard:
        break;
    }
    return nullptr;
}

} // namespace

void OuvrirAuxLecteursEcran() {
    // Joins the accessibility bus as toolkits such as GTK do; while no screen reader listens, Qt
    // sends it no event.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")) {
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
}

void InstallerAccessibilite() {
    static const bool installee = [] {
        QAccessible::installFactory(Fabrique);
        return true;
    }();
    (void)installee;
}

void PreparerAccessibilite(FMarbello& fenetre, const Invites& invites) {
    InstallerAccessibilite();
    const Controles& c = fenetre.ControlesDuJeu();
    // A label tells its text as it is built, before it is marked: the interface then made for it
    // is the standard one, which must make way for the game's.
    const auto marquer = [](QWidget* controle, Sorte sorte, int indice = 0) {
        controle->setProperty(ProprieteSorte, static_cast<int>(sorte));
        controle->setProperty(ProprieteIndice, indice);
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(controle)));
    };
    marquer(&fenetre, Sorte::Fenetre);
    for (size_t k = 0; k < c.trous.size(); ++k) {
        marquer(c.trous[k], Sorte::Case, static_cast<int>(k));
    }
    for (QWidget* pilule : c.pilules) {
        marquer(pilule, Sorte::Bouton);
    }
    for (size_t l = 0; l < c.liens.size(); ++l) {
        marquer(c.liens[l], Sorte::Lien, static_cast<int>(l));
    }
    marquer(c.message, Sorte::Message);
    marquer(c.attente, Sorte::Attente);
    marquer(c.parties, Sorte::Parties);
    marquer(&invites.indice, Sorte::Message);
    marquer(&invites.marque, Sorte::Marque);
    marquer(&invites.menu, Sorte::Menu);
    c.commandes[3]->setAccessibleName(QStringLiteral("Supprimer la partie choisie"));
    c.parties->setAccessibleName(QStringLiteral("Parties enregistrées"));
    c.nom->setAccessibleName(QStringLiteral("Nom de la partie"));
    c.coups->setAccessibleName(QStringLiteral("Coup de la solution"));

    auto* annonces = new Annonces(fenetre, invites);
    invites.menu.setAccessibleName(QStringLiteral("Menu du jeu"));
    QObject::connect(&invites.menu, &QMenu::aboutToShow, annonces,
                     [annonces] { annonces->Dire(QStringLiteral("Menu du jeu")); });
    new SuiviPanneaux(c, *annonces);
    // The name proposed, read whole: Orca reads the selected proposal without its last
    // character.
    QObject::connect(qApp, &QApplication::focusChanged, c.nom,
                     [nom = c.nom](QWidget* /*avant*/, QWidget* apres) {
                         if (apres == nom) {
                             nom->setAccessibleDescription(nom->text());
                         }
                     });
}

} // namespace marbello
