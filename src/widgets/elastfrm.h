// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/elasticcontrols.h"
#include "widgets/elasticmath.h"
#include "widgets/elasticplacement.h"

#include <QFont>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

class QScreen;
class QWidget;

// Makes a form resolution-independent and proportionally resizable. The form was laid out on a
// design screen of known size; on the running screen the window, every named control and every
// font are converted by the ratio of the two screens, and whenever the form's size changes
// afterwards the controls and fonts follow its client area in proportion.
//
// It is a child of its form and watches it as an event filter, passing every event on. The form's
// notions map to Qt as follows:
// - the size of a maximised window: the available geometry of the form's screen (in
//   device-independent pixels, so the proportions hold under any scale factor);
// - outer size: the frame geometry; client size: the client area, which is a main window's
//   central widget (the area under the menu bar) or else the form itself;
// - the size types: the form's window state (maximised, minimised, normal);
// - activation: QEvent::WindowActivate; a position change: QEvent::Move;
// - the minimum and maximum tracking sizes: the form's minimum and maximum size, less the frame
//   the window system draws in the form's state (noted per state, see applyTrackSizes); window
//   managers bound a maximised window by the maximum size as well;
// - minimised: nothing is done while the form is minimised. A minimised window counts as having
//   no size, so when its state leaves minimised, the size it comes back with (and a display
//   change that came meanwhile) is laid out then, once, as if it had happened on screen;
// - a display change: the screen's availableGeometryChanged and the window's screenChanged;
// - the move or size loop: X11 window managers give the program none, so a resize that comes
//   from the window system while the window is neither maximised nor just changing state is taken
//   as a step of a border drag, and the drag as ended once the size has stayed put for
//   kSizingQuietMs. A drag therefore lays the form out once, at its end.
// Construction throws std::invalid_argument when the owner is not a form or already carries one.
class TElasticForm : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool ElasticHorizontal READ ElasticHorizontal WRITE setElasticHorizontal)
    Q_PROPERTY(bool ElasticVertical READ ElasticVertical WRITE setElasticVertical)
    Q_PROPERTY(bool ElasticFont READ ElasticFont WRITE setElasticFont)
    Q_PROPERTY(int DesignScreenWidth READ DesignScreenWidth WRITE setDesignScreenWidth)
    Q_PROPERTY(int DesignScreenHeight READ DesignScreenHeight WRITE setDesignScreenHeight)
    Q_PROPERTY(int DesignPixelsPerInch READ DesignPixelsPerInch WRITE setDesignPixelsPerInch)
    Q_PROPERTY(int MaximizedPosX READ MaximizedPosX WRITE setMaximizedPosX)
    Q_PROPERTY(int MaximizedPosY READ MaximizedPosY WRITE setMaximizedPosY)
    Q_PROPERTY(int MinimumTrackWidth READ MinimumTrackWidth WRITE setMinimumTrackWidth)
    Q_PROPERTY(int MinimumTrackHeight READ MinimumTrackHeight WRITE setMinimumTrackHeight)
    Q_PROPERTY(int MaximumTrackWidth READ MaximumTrackWidth WRITE setMaximumTrackWidth)
    Q_PROPERTY(int MaximumTrackHeight READ MaximumTrackHeight WRITE setMaximumTrackHeight)
    Q_PROPERTY(int DesignFormWidth READ DesignFormWidth WRITE setDesignFormWidth)
    Q_PROPERTY(int DesignFormHeight READ DesignFormHeight WRITE setDesignFormHeight)
    Q_PROPERTY(int DesignFormClientWidth READ DesignFormClientWidth WRITE setDesignFormClientWidth)
    Q_PROPERTY(
        int DesignFormClientHeight READ DesignFormClientHeight WRITE setDesignFormClientHeight)
    Q_PROPERTY(int DesignFormLeft READ DesignFormLeft WRITE setDesignFormLeft)
    Q_PROPERTY(int DesignFormTop READ DesignFormTop WRITE setDesignFormTop)
    Q_PROPERTY(bool MaintainProportions READ MaintainProportions WRITE setMaintainProportions)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(QLabel *BkGrndImage READ BkGrndImage WRITE setBkGrndImage)
    Q_PROPERTY(bool DBGridSelfResize READ DBGridSelfResize WRITE setDBGridSelfResize)
    Q_PROPERTY(QString ElFrmIniFile READ ElFrmIniFile WRITE setElFrmIniFile)
    Q_PROPERTY(float Version READ Version WRITE setVersion)
    Q_PROPERTY(bool GridColumnWidthResize READ GridColumnWidthResize WRITE setGridColumnWidthResize)
    Q_PROPERTY(bool GridRowHeightResize READ GridRowHeightResize WRITE setGridRowHeightResize)
    Q_PROPERTY(bool GridFontResize READ GridFontResize WRITE setGridFontResize)
    Q_PROPERTY(bool FontWarning READ FontWarning WRITE setFontWarning)
    Q_PROPERTY(bool LookForExtraFonts READ LookForExtraFonts WRITE setLookForExtraFonts)
    Q_PROPERTY(
        bool ResolutionIndependence READ ResolutionIndependence WRITE setResolutionIndependence)
    Q_PROPERTY(QString EFActiveControl READ EFActiveControl WRITE setEFActiveControl)

public:
    static constexpr float kVersion = 601.0f;
    // How long the size must stay put before a border drag counts as ended.
    static constexpr int kSizingQuietMs = 200;
    // How long after a change of window state a size counts as the window system's answer to it.
    static constexpr int kStateChangeAnswerMs = 500;

    // `owner` must be a form (a top-level widget) without a TElasticForm of its own.
    explicit TElasticForm(QObject *owner);
    ~TElasticForm() override;

    bool ElasticHorizontal() const { return m_elasticHorizontal; }
    void setElasticHorizontal(bool on) { m_elasticHorizontal = on; }
    bool ElasticVertical() const { return m_elasticVertical; }
    void setElasticVertical(bool on) { m_elasticVertical = on; }
    bool ElasticFont() const { return m_elasticFont; }
    void setElasticFont(bool on) { m_elasticFont = on; }
    int DesignScreenWidth() const { return m_designScreen.width(); }
    void setDesignScreenWidth(int width) { m_designScreen.setWidth(width); }
    int DesignScreenHeight() const { return m_designScreen.height(); }
    void setDesignScreenHeight(int height) { m_designScreen.setHeight(height); }
    // Recorded only: the design screen's size already says everything the scaling needs.
    int DesignPixelsPerInch() const { return m_designPixelsPerInch; }
    void setDesignPixelsPerInch(int dpi) { m_designPixelsPerInch = dpi; }
    int MaximizedPosX() const { return m_maximizedPosX; }
    void setMaximizedPosX(int x) { m_maximizedPosX = x; }
    int MaximizedPosY() const { return m_maximizedPosY; }
    void setMaximizedPosY(int y) { m_maximizedPosY = y; }
    int MinimumTrackWidth() const { return m_minimumTrack.width(); }
    void setMinimumTrackWidth(int width) { m_minimumTrack.setWidth(width); }
    int MinimumTrackHeight() const { return m_minimumTrack.height(); }
    void setMinimumTrackHeight(int height) { m_minimumTrack.setHeight(height); }
    int MaximumTrackWidth() const { return m_maximumTrack.width(); }
    void setMaximumTrackWidth(int width) { m_maximumTrack.setWidth(width); }
    int MaximumTrackHeight() const { return m_maximumTrack.height(); }
    void setMaximumTrackHeight(int height) { m_maximumTrack.setHeight(height); }
    int DesignFormWidth() const { return m_designForm.width(); }
    void setDesignFormWidth(int width) { m_designForm.setWidth(width); }
    int DesignFormHeight() const { return m_designForm.height(); }
    void setDesignFormHeight(int height) { m_designForm.setHeight(height); }
    int DesignFormClientWidth() const { return m_designClient.width(); }
    void setDesignFormClientWidth(int width) { m_designClient.setWidth(width); }
    int DesignFormClientHeight() const { return m_designClient.height(); }
    void setDesignFormClientHeight(int height) { m_designClient.setHeight(height); }
    int DesignFormLeft() const { return m_designForm.x(); }
    void setDesignFormLeft(int left) { m_designForm.moveLeft(left); }
    int DesignFormTop() const { return m_designForm.y(); }
    void setDesignFormTop(int top) { m_designForm.moveTop(top); }
    bool MaintainProportions() const { return m_maintainProportions; }
    void setMaintainProportions(bool on) { m_maintainProportions = on; }
    QFont Font() const { return m_font; }
    // Copies the font into the component and into the form's client area, and repaints it.
    void setFont(const QFont &font);
    QLabel *BkGrndImage() const { return m_background; }
    // A picture painted as the client area's background, tiled, or stretched over the form when
    // the label carries the "Align" property "Client". The label itself is hidden.
    void setBkGrndImage(QLabel *image);
    // Grids, header sections, status-bar panels and tool bars: Qt's item views and bars lay out
    // their own columns and sections, so these switches are kept for the published set only.
    bool DBGridSelfResize() const { return m_dbGridSelfResize; }
    void setDBGridSelfResize(bool on) { m_dbGridSelfResize = on; }
    bool GridColumnWidthResize() const { return m_gridColumnWidthResize; }
    void setGridColumnWidthResize(bool on) { m_gridColumnWidthResize = on; }
    bool GridRowHeightResize() const { return m_gridRowHeightResize; }
    void setGridRowHeightResize(bool on) { m_gridRowHeightResize = on; }
    bool GridFontResize() const { return m_gridFontResize; }
    void setGridFontResize(bool on) { m_gridFontResize = on; }
    // The design-time font warning: a running program is never in a designer.
    bool FontWarning() const { return m_fontWarning; }
    void setFontWarning(bool on) { m_fontWarning = on; }
    // The settings group, "organisation/application", under which the placement is saved in the
    // user's settings; empty saves nothing.
    QString ElFrmIniFile() const { return m_iniFile; }
    void setElFrmIniFile(const QString &key) { m_iniFile = key; }
    float Version() const { return m_version; }
    void setVersion(float) { m_version = kVersion; }
    bool LookForExtraFonts() const { return m_lookForExtraFonts; }
    void setLookForExtraFonts(bool on) { m_lookForExtraFonts = on; }
    bool ResolutionIndependence() const { return m_resolutionIndependence; }
    void setResolutionIndependence(bool on) { m_resolutionIndependence = on; }
    QString EFActiveControl() const { return m_activeControl; }
    void setEFActiveControl(const QString &name) { m_activeControl = name; }

    // Lays the controls out for the form's present size (the first time also capturing their
    // reference bounds and fonts) and raises OnAfterResize.
    void Layout();

    // What the scaling works from, for tests and benchmarks.
    double ScaleX() const { return m_scales.x; }
    double ScaleY() const { return m_scales.y; }
    int RefClientWidth() const { return m_refClient.width(); }
    int RefClientHeight() const { return m_refClient.height(); }
    int RefFontSize() const { return m_refFontSize; }
    double FontScale() const { return m_fontScale; }
    QList<QWidget *> managedControls() const { return m_controls.controls(); }
    // The form's outer bounds as computed for the running screen.
    QRect preparedBounds() const { return m_computedBounds; }
    // True when a design value of zero keeps the form from being scaled at all.
    bool disabled() const { return m_phase == Phase::Disabled; }

signals:
    void OnAfterResize(QObject *sender);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Raises OnAfterResize; runs at the end of every layout.
    virtual void AfterResize();
    // The free area of the form's screen: where a maximised window goes and how large it is.
    virtual QRect maximizedWindowArea() const;

private slots:
    void displayChanged();
    void sizingEnded();

private:
    // Where the form stands in its life. The window events that move it on:
    //
    //   Preparing     --(any event while the form is visible: Prepare)-->         Capturing
    //   Preparing     --(Prepare finds a design value of zero)-->                 Disabled
    //   Capturing     --(the first Layout captures the reference sizes)-->        Placed
    //   Placed        --(WindowActivate)-->                                       Activated
    //   Activated     --(Move: the first position change after an activation)-->  Settled
    //   Placed, Activated --(Resize to the maximised state)-->                    Settled
    //   Settled       --(WindowStateChange of minimised, maximised or full screen)--> ChangingState
    //   ChangingState --(the next Resize, or half a second without one)-->        Settled
    //   Settled       --(Resize from the window system of a normal window)-->     BorderDrag
    //   BorderDrag    --(no Resize for kSizingQuietMs, or the return from minimised)--> Settled
    //
    // Until the form has settled, the window system's own sizing of a normal window is undone
    // back to the computed bounds; once settled, the window system's sizes stand. Whatever the
    // phase but a border drag, a Resize lays the form out when its outer or client size moved by
    // more than 5 pixels since the last layout. Disabled is final: the form is left as designed.
    enum class Phase {
        Preparing,     // constructed; waits for the form to be on screen
        Capturing,     // bounds computed; the first layout captures the reference sizes
        Placed,        // laid out, not yet settled
        Activated,     // as Placed, and the window has been activated since
        Settled,       // the window system's sizes stand
        ChangingState, // settled; the next size is the answer to a change of window state
        BorderDrag,    // settled; a border drag is on: sizes are noted, nothing moves
        Disabled,      // a design value of zero: nothing is scaled
    };

    bool prepared() const { return m_phase != Phase::Preparing && m_phase != Phase::Disabled; }
    bool settled() const
    {
        return m_phase == Phase::Settled || m_phase == Phase::ChangingState ||
               m_phase == Phase::BorderDrag;
    }
    void settle();
    static bool isMaximizedState(Qt::WindowStates state);

    QWidget *client() const;
    QSize outerSize() const;
    void setOuterBounds(const QRect &bounds);

    // Layout steps (elastfrm.cpp).
    void prepareAndPlace();
    void Prepare();
    void captureReferences();
    void HideChildren();
    void ShowChildren();
    void relayout();
    void applyFormFont();
    void applyTrackSizes();
    QSize frameInState(bool maximized) const;
    void requestFocus();
    void rememberActiveControl();
    void LoadPlacement();
    void SavePlacement();
    void paintBackground();

    // Window events (elastfrm_events.cpp).
    void formEvent(QEvent *event);
    void sizeChanged();
    void sizeStep();
    void layOutIfResized();
    void relayoutAtPresentSize();
    void cameBackFromMinimized();
    void noteFrame();
    void windowStateChanged(Qt::WindowStates oldState);
    void watchScreen();

    QWidget *m_form = nullptr;

    // Published values.
    bool m_elasticHorizontal = true;
    bool m_elasticVertical = true;
    bool m_elasticFont = true;
    QSize m_designScreen;
    int m_designPixelsPerInch = 0;
    int m_maximizedPosX = 0;
    int m_maximizedPosY = 0;
    QSize m_minimumTrack{0, 0};
    QSize m_maximumTrack{0, 0};
    QRect m_designForm;
    QSize m_designClient;
    bool m_maintainProportions = false;
    QFont m_font;
    QPointer<QLabel> m_background;
    bool m_dbGridSelfResize = false;
    QString m_iniFile;
    float m_version = kVersion;
    bool m_gridColumnWidthResize = true;
    bool m_gridRowHeightResize = true;
    bool m_gridFontResize = true;
    bool m_fontWarning = true;
    bool m_lookForExtraFonts = true;
    bool m_resolutionIndependence = true;
    QString m_activeControl;

    // Working state.
    Phase m_phase = Phase::Preparing;
    elastic::ElasticControls m_controls;
    QRect m_maximizedArea;  // the maximised window's area on the form's screen when last read
    QRect m_computedBounds; // the form's outer bounds computed for that screen
    int m_scaledFormFontSize = 0;
    // Fixed by the first layout: the screen scales, the reference client area, and the reference
    // client area in the fonts' own (vertical) scale with the form font's size there.
    elastic::Scales m_scales;
    QSize m_refClient;
    QSize m_refFontClient;
    int m_refFontSize = 0;
    double m_fontScale = 1.0;  // the live font size over the reference one, at the last layout
    QSize m_laidOutSize{0, 0}; // the outer size at the last layout
    QSize m_laidOutClientSize{0, 0}; // the client size at the last layout
    // The frame the window system draws around the form when maximised and when normal, as
    // last seen in each state; empty until seen. See applyTrackSizes.
    QSize m_maximizedFrame;
    QSize m_normalFrame;
    QSize m_dragStartSize; // the outer size when a border drag began
    std::optional<elastic::SavedPlacement> m_savedPlacement;
    QPointer<QScreen> m_watchedScreen;
    QTimer m_dragEndTimer;
    // Runs for kStateChangeAnswerMs after a change of window state: ends ChangingState when no
    // size follows, and keeps the frame of the state before from being noted for the new one.
    QTimer m_stateChangeTimer;
    int m_undoneWindowSizes = 0;
    // The form's size type as the size handling last took it: maximised (or full screen) or not.
    bool m_handledAsMaximized = false;
    bool m_pointerSeen = false; // a Show lays the form out only while this is false
    bool m_focusRequestPending = true;
    // The next resize of the client area follows one that the window system made.
    bool m_resizeFromWindowSystem = false;
};
