#pragma once

#include "geometry/objectstore.h"
#include "geometry/objectsummary.h"
#include "gui/settings.h"

#include <QKeySequence>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

struct IntersectionResult;
class CheckGroup;
class DoubleValidator;
class GLWidget;
class GridPicker;
class GridScene;
class ObjectItem;
class ObjectList;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The main window: menu buttons on both sides of a page area that shows one page at a time.
class StereonGUI : public QWidget {
    Q_OBJECT
    // The tests look at the pages and fields directly.
    friend class TestStereonGUI;
    friend class TestNoOpenGL;
    friend class TestSessionCommands;
    friend class TestListPanel;
    friend class TestInputPages;
    friend class ListBenchmark;
    friend class StressTest;

public:
    // Settings are kept in the program's directory (or the user's configuration folder when
    // that cannot be written); a non-empty `settingsFolder` puts them there instead.
    explicit StereonGUI(const QString& settingsFolder = QString(), QWidget* parent = nullptr);
    ~StereonGUI() override;

    // Decided once per process: whether the 3D page can hold an OpenGL view.
    static bool hasOpenGL();

    // Adds the information lines of one entry from an object's description list; returns
    // the general equation's text (empty when there is none).
    QString fillObjectInfo(ObjectItem* entry, const std::vector<ObjectSummary>& description);
    // Empties the list page and every object picker (the store is left alone).
    void clearEntries();

    // Texts of the list and the pages: a number with six significant digits, and
    // "name [x; y; z]" / "name (x; y; z)".
    static QString number(double value);
    static QString pointText(const QString& name, double x, double y, double z);
    static QString vectorText(const QString& name, double x, double y, double z);

public slots:
    void displayListMenu();
    void display3DMenu();
    void displayOptionsMenu();
    void displayPointMenu();
    void displayVectorMenu();
    void displayLineMenu();
    void displaySurfaceMenu();
    void displayIntersectMenu();
    void displayAngleMenu();
    void displayDistanceMenu();

    // Naming and input enabling.
    void setRandName(QChar c);
    void setRandName();
    void nameExists(const QString& text);
    void enableAddP();
    void enableAddV();
    void enableAddL();
    void enableAddS();
    void enableAddI();
    void enableAddA();
    void enableAddD();
    void disableGroups(bool checked, int index);
    void setIntersectTitle(const QString& name);
    void resetIntersect();
    void showObject(const QString& name);
    // The target of a link made by objectLink().
    void showLinkedObject(const QString& link);
    void clickPointSet(bool set);
    void clickPointQ(qreal Q, bool r);

    // Add and compute commands.
    void addPoint();
    void addVector();
    void addLine();
    void addSurface();
    void compIntersect();
    void addIntersect();
    void compAngle();
    void compDistance();

    // Sessions, settings and language.
    bool saveFile();
    void loadFile(const QString& fileName);
    void loadFile();
    void clearList(bool eraseMainList);
    void clearList();
    void saveSettings();
    void changeLang(const QString& lang);

    // The object list and the 3D view.
    void rebuildList();
    void changeItemVisibility(bool visible, const QString& name, const QString& parentItem);
    void repaintDrawer();
    void makeDrawer();

    void showAboutQt();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void languageChange();

private:
    // A text set by languageChange(): tr(source) followed by an untranslated suffix.
    struct Caption {
        QWidget* widget;
        const char* source;
        const char* suffix;
        QKeySequence shortcut;
    };

    // One entry of the page table: what a menu button shows and what takes the focus.
    struct Page {
        QList<QWidget*> shown;
        QWidget* focus;
    };

    // Construction (stereongui.cpp).
    void applyStyleSheet();
    void buildFrame();
    void buildMenuButtons(QVBoxLayout* left, QVBoxLayout* right);
    void buildListPage();
    void build3DPage();
    void buildOptionsPage();
    void buildPointPage();
    void buildVectorPage();
    void buildLinePage();
    void buildSurfacePage();
    void buildIntersectPage();
    void buildAnglePage();
    void buildDistancePage();
    void connectPages();
    void connectGrids();
    void connectReturnKeys();
    void selectStartLanguage();
    void loadStartSession();
    // Replaces the session by the file (asked for when the name is empty); true when it did.
    bool loadSession(const QString& fileName);

    // Compute commands (stereongui_compute.cpp).
    // The object name of an object combo entry: the entry less its kind word and one blank.
    static QString objectNameFromEntry(const QString& entry);
    void showIntersection(const IntersectionResult& result);

    // Small builders shared by the pages.
    QLabel* captionLabel(const char* source, const char* suffix = "");
    QLabel* titleLabel(const char* source, const QString& style = QString());
    QLabel* alertLabel();
    QLineEdit* numberEdit();
    QComboBox* objectCombo();
    CheckGroup* optionGroup(int index, const char* number, QFormLayout*& form);
    QToolButton* headerButton(const char* source, const QKeySequence& shortcut);
    template <class Button> Button* captionButton(const char* source);
    QWidget* addPage(QLabel* title);

    // The list and its pickers (stereongui_list.cpp).
    void discardEntry(ObjectItem* entry);
    void placeEntries(const QList<ObjectItem*>& entries);
    void refillCombo(int index, const QStringList& texts);

    // Naming and enabling (stereongui_input.cpp).
    QString freshName(QChar letter) const;
    // The first problem of the name in `edit` for page `page` (0 point .. 4 intersection
    // result), or an empty text.
    QString nameProblem(int page, const QLineEdit* edit);
    // Shows `problem` on the alert line, or hides the line when there is none; returns
    // whether the line ended hidden.
    static bool showAlert(QLabel* alert, const QString& problem);

    // Add commands (stereongui_add.cpp).
    void objectAdded(QLabel* alert, const char* sentence, const QString& name);
    // The text as a link that shows the named object in the list.
    static QString objectLink(const QString& name, const QString& text);
    void addFailed(QLabel* alert, const char* message, const char* reason);

    // Page switching (stereongui_menu.cpp).
    void showPage(int index);
    bool isEmbedded3D() const;

    Settings settings;
    QTranslator translator;
    std::unique_ptr<ObjectStore> objectStore;
    DoubleValidator* validator = nullptr;

    QVBoxLayout* menuLayout = nullptr;
    QWidget* menuWidget = nullptr;
    QLabel* logoLabel = nullptr;
    QList<QToolButton*> menuButtons;
    std::vector<Caption> captions;
    std::array<Page, 10> pages{};
    // Everything of menuWidget that page switching hides, the 3D view aside.
    QList<QWidget*> pageWidgets;

    // List page.
    QLabel* listTitle = nullptr;
    QToolButton* loadButton = nullptr;
    QToolButton* saveButton = nullptr;
    QToolButton* resetListButton = nullptr;
    ObjectList* objectList = nullptr;
    QVBoxLayout* listLayout = nullptr;
    QList<ObjectItem*> items;
    QStringList itemNames;
    QString rememberedName;
    // Entries of the last rebuild that leave the layout with the next placement.
    QSet<QWidget*> discarded;

    // 3D page: the view, or a notice where no OpenGL context can be had.
    QLabel* view3DTitle = nullptr;
    QToolButton* showInWindowButton = nullptr;
    GLWidget* glWidget = nullptr;
    QLabel* noViewLabel = nullptr;

    // Options page.
    QWidget* optionsPage = nullptr;
    QPushButton* aboutQtButton = nullptr;
    QComboBox* languageCombo = nullptr;
    QCheckBox* loadLastCheck = nullptr;

    // Point page.
    QWidget* pointPage = nullptr;
    QLineEdit* pointName = nullptr;
    QLabel* pointAlert = nullptr;
    QLineEdit* pointX = nullptr;
    QLineEdit* pointY = nullptr;
    QLineEdit* pointZ = nullptr;
    QPushButton* addPointButton = nullptr;
    QPushButton* resetPointButton = nullptr;
    GridScene* gridXY = nullptr;
    GridScene* gridXZ = nullptr;
    GridScene* gridYZ = nullptr;
    GridPicker* gridPicker = nullptr;
    std::array<double, 3> picked{{-1.0, -1.0, -1.0}};
    double pickScale = 1.0;

    // Vector page.
    QWidget* vectorPage = nullptr;
    QLineEdit* vectorName = nullptr;
    QLabel* vectorAlert = nullptr;
    std::array<CheckGroup*, 2> vectorOptions{};
    QLineEdit* vectorX = nullptr;
    QLineEdit* vectorY = nullptr;
    QLineEdit* vectorZ = nullptr;
    QComboBox* vectorPoint1 = nullptr;
    QComboBox* vectorPoint2 = nullptr;
    QPushButton* addVectorButton = nullptr;

    // Line page.
    QWidget* linePage = nullptr;
    QLineEdit* lineName = nullptr;
    QLabel* lineAlert = nullptr;
    std::array<CheckGroup*, 2> lineOptions{};
    QComboBox* linePoint1 = nullptr;
    QComboBox* linePoint2 = nullptr;
    QComboBox* linePoint = nullptr;
    QComboBox* lineVector = nullptr;
    QPushButton* addLineButton = nullptr;

    // Surface page: option 1 three points, 2 two vectors and a point, 3 a normal and D,
    // 4 a normal and a point.
    QWidget* surfacePage = nullptr;
    QLineEdit* surfaceName = nullptr;
    QLabel* surfaceAlert = nullptr;
    std::array<CheckGroup*, 4> surfaceOptions{};
    QComboBox* surfacePoint1 = nullptr;
    QComboBox* surfacePoint2 = nullptr;
    QComboBox* surfacePoint3 = nullptr;
    QComboBox* surfaceVector1 = nullptr;
    QComboBox* surfaceVector2 = nullptr;
    QComboBox* surfaceVectorsPoint = nullptr;
    QComboBox* surfaceNormal = nullptr;
    QLineEdit* surfaceD = nullptr;
    QComboBox* surfaceNormalOfPoint = nullptr;
    QComboBox* surfaceNormalPoint = nullptr;
    QPushButton* addSurfaceButton = nullptr;

    // Intersection page.
    QWidget* intersectPage = nullptr;
    QLabel* intersectAlert = nullptr;
    QLabel* intersectObject1Label = nullptr;
    QLabel* intersectObject2Label = nullptr;
    QComboBox* intersectObject1 = nullptr;
    QComboBox* intersectObject2 = nullptr;
    QPushButton* computeIntersectButton = nullptr;
    QLabel* intersectNameLabel = nullptr;
    QLineEdit* intersectName = nullptr;
    ObjectItem* intersectItem = nullptr;
    QPushButton* addIntersectButton = nullptr;
    QPushButton* resetIntersectButton = nullptr;
    ObjectSummary intersectResult;

    // Angle and distance pages.
    QWidget* anglePage = nullptr;
    QLabel* angleAlert = nullptr;
    QComboBox* angleObject1 = nullptr;
    QComboBox* angleObject2 = nullptr;
    QLabel* angleResult = nullptr;
    QPushButton* computeAngleButton = nullptr;
    QWidget* distancePage = nullptr;
    QLabel* distanceAlert = nullptr;
    QComboBox* distanceObject1 = nullptr;
    QComboBox* distanceObject2 = nullptr;
    QLabel* distanceResult = nullptr;
    QPushButton* computeDistanceButton = nullptr;

    // The 21 object pickers, in page order, for the list rebuild.
    QList<QComboBox*> objectCombos;
    // What each picker holds, so that a rebuild only touches what changed.
    std::vector<QStringList> comboShown = std::vector<QStringList>(21);

    std::array<bool, 5> nameTaken{};
    bool modified = false;
};
