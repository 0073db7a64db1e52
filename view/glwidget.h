// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_GLWIDGET_H
#define VORLIX_GLWIDGET_H

#include "divergence.h"
#include "matrix4.h"
#include "objreader.h"
#include "overlayswitches.h"
#include "polhodefamily.h"
#include "runstate.h"
#include "thinnedlines.h"
#include "tracelayer.h"

#include <QByteArray>
#include <QColor>
#include <QElapsedTimer>
#include <QOpenGLWidget>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QImage;
class QTimer;

/// The 3-D view and the simulation engine of one free rigid body. Its state is a set of
/// public fields that the main window reads and writes directly, followed by updateGL().
/// Closed curves for GL: x, y, z of every point, and where each curve begins and how
/// many points it has.
struct PolhodeLoops {
    std::vector<GLfloat> points;
    std::vector<GLint> firsts;
    std::vector<GLsizei> counts;
};

class GLWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    GLWidget(const char *bodyFileName, QString textureFileName);
    ~GLWidget() override;

    /// Milliseconds between two ticks of a running simulation.
    static constexpr int tickIntervalMs = 4;

    void animate();
    void pause();
    /// Draws the frame now, composed and on screen when this returns: each tick and each
    /// key draws (and records) exactly one frame.
    void updateGL();
    /// Advances the body and the run's clock by one tick of `seconds` simulated seconds in
    /// iterPerFrame sub-steps of the run's stepper. When the step leaves the body's motion
    /// the body keeps its state and the cause is returned.
    vorlix::DivergenceCause advanceTick(double seconds);

    // Rendering
    GLuint makeEllipsoid(float radius, int slices, int stacks);
    void drawObject(GLuint list, const vorlix::Matrix4 &placement = vorlix::identityMatrix());
    void drawObject0(GLuint list);
    void changeLineWidth();
    void changeBackgroundColor();

    // Bodies
    GLuint makeShape(const char *fileName, const float *colour);
    GLuint makeSphere(float radius, QString textureFileName, int slices, int stacks);
    /// The body file's mesh, read by the caller already: drawn instead of reading the file
    /// again. Call it before the view is first shown; the mesh must outlive the view.
    void handOverBodyMesh(const vorlix::ObjMesh *mesh);

    // Axis traces
    void freeMemoryOfDrawXLines();
    void freeMemoryOfDrawYLines();
    void freeMemoryOfDrawZLines();
    void freeMemoryOfDrawLines();
    /// Points recorded in a trace buffer (what is drawn and exported).
    static int tracePointCount(int writeIndex) { return (writeIndex - 2) / 3; }
    static double *newTraceBuffer();

    // Export
    void saveLineToOBJ(QString fileName);
    /// The scene as a side x side image, drawn offscreen in this view's context without
    /// disturbing its display lists; sides beyond the GL limits are drawn in tiles of at
    /// most tileSide pixels (0: as large as the implementation and memory allow).
    /// Null if no offscreen buffer can be made.
    QImage renderSquareImage(int side, int tileSide = 0);

    enum class FilmEnd { Complete, Stopped, Diverged, NoPicture };
    /// Films the motion from this instant: `frameCount` pictures as renderSquareImage(side)
    /// draws them, the first of this instant, each later one advanced by one tick of
    /// `secondsPerFrame` simulated seconds, handed in turn to `take`, which stops the film
    /// by returning false. The run is paused meanwhile and left exactly as it was (body,
    /// traces, clock, record and paths); a running one goes on afterwards.
    FilmEnd filmFrames(int side, int frameCount, double secondsPerFrame,
        const std::function<bool(const QImage &)> &take);

    /// Points a trace buffer of 40,000,000 bytes has room for.
    static constexpr int traceCapacity = 40000000 / (3 * sizeof(double));

    float zoom;
    QTimer *timer;
    short resetOrientation;
    short resetView;
    double turnAngle;
    double viewTurnX, viewTurnY, viewTurnZ;
    double turnAxisX, turnAxisY, turnAxisZ;
    vorlix::Matrix4 orientationMatrix;
    vorlix::Matrix4 viewMatrix;
    double inertiaX, inertiaY, inertiaZ;
    double inertiaMin;
    double eulerCoefX, eulerCoefY, eulerCoefZ;
    double omegaX, omegaY, omegaZ;
    double speed;
    double timePerFrame;
    bool showEllipsoid;
    bool drawLines;
    bool drawXLines, drawYLines, drawZLines;
    int frameCounter;
    int pauseState;
    int iterPerFrame;
    QColor backgroundColor;
    float lineWidth;
    int lastMouseX, lastMouseY;
    int faceCount, vertexCount;
    QByteArray bodyFileName;
    QString textureFileName;
    const char *arrowFileName;
    GLuint bodyList, arrowList, ellipsoidList;
    double deltaOmegaX, deltaOmegaY, deltaOmegaZ;
    double *xLines, *yLines, *zLines;
    int xLinesIndex, yLinesIndex, zLinesIndex;

    // Beyond the state above, three fields for everything added to it:
    /// The run's clock, ω history, drift reference, chosen scheme and Poinsot's paths:
    /// the window's, once it configures the view; until then the view's own.
    vorlix::RunState *run;
    OverlaySwitches overlays;
    /// Where the body's mesh is drawn within the body frame: as read (the identity), or
    /// moved and turned into its principal frame when its moments were computed.
    vorlix::Matrix4 bodyPlacement = vorlix::identityMatrix();

    /// Whether traces are drawn through the trace layer where GL allows (off: whole every
    /// frame), and from how many shown points on.
    void useTraceLayer(bool enabled, int minimumPoints);
    /// Whether the last frame drew its traces through the trace layer.
    bool drewTracesIncrementally() const { return traceLayer.drewIncrementally(); }

signals:
    /// The run left the body's motion, for this cause; the ticks have stopped and the view
    /// keeps the last state before it.
    void diverged(vorlix::DivergenceCause cause);
    /// A key turned the body (U, V, W) or reset it (Space when stopped): the motion
    /// continues from a state set by hand.
    void motionChangedByHand();
    /// Ctrl + left click hit the ellipsoid, where the view shows it or the polhode family:
    /// the visible point under the pointer, in the body frame.
    void ellipsoidPicked(const vorlix::Vector3 &bodyPoint);

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void paintEvent(QPaintEvent *event) override;

    // View controls
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private slots:
    void rotate();

private:
    /// Folds the one-shot turns and resets into the orientation and view matrices.
    void applyPendingTurns();
    /// Appends this instant's point to every path that follows the body.
    void recordFrame();
    /// The square viewport fitted to the larger side of the framebuffer.
    void applyViewport();
    /// Set when updateGL drew a frame that the window has yet to compose.
    bool frameAwaitingComposition = false;
    /// A screen refresh: compositions closer than this are put off, never dropped.
    static constexpr qint64 refreshMs = 16;
    /// Compositions are at least this many times their own cost apart, so that composing
    /// takes at most a third of the time and the ticks the rest.
    static constexpr qint64 compositionCostMultiple = 3;
    /// A refresh, or more where composing the window costs much (software GL).
    qint64 compositionIntervalMs = refreshMs;
    QElapsedTimer lastComposition;
    QTimer *compositionTimer;
    /// Draws what has been recorded; records nothing, so it may run once per tile.
    void drawScene(bool throughTraceLayer);
    void recordTracePoint(double *buffer, int &writeIndex, int column);
    void drawTraces(bool throughTraceLayer);
    static void drawTrace(const ShownTrace &trace);
    /// Counts the clears of each trace, which the trace layer cannot tell from its points.
    std::array<int, TraceLayer::traceCount> traceGenerations {};
    /// The view's framebuffer in device pixels, as Qt last gave it to resizeGL.
    QSize framebufferSize;
    /// Poinsot's construction at this instant, for the overlays.
    vorlix::PoinsotConstruction construction() const;
    /// After the view matrix, before the body's orientation: the angular momentum.
    void drawWorldOverlays();
    /// After the body's orientation: the angular velocity and the polhode.
    void drawBodyOverlays();
    /// In space, before the arrows so that its veil does not tint them: the translucent
    /// plane and the herpolhode on it.
    void drawInvariablePlane();
    /// Over everything else: the body's outline where the exact motion has it now.
    void drawGhost();
    /// The body's rims and creases (or, for the sphere, three great circles) as line ends.
    void makeGhostOutline();
    std::vector<float> ghostOutline;
    bool ghostOutlineMade = false;
    /// Names the overlays shown, in their colours, in the view's top-left corner.
    void drawLegend();
    /// The same legend on a picture of the view's square, at the same relative place.
    void paintLegend(QImage &picture) const;

    // Map of motions
    /// After the body's orientation: the polhodes of every level on the half of the drawn
    /// ellipsoid that faces the viewer.
    void drawPolhodeFamily();
    /// After the body's orientation: the cone from the centre through the polhode.
    void drawBodyCone();
    /// In space: the cone from the centre through the herpolhode.
    void drawSpaceCone();
    /// A translucent fan from the origin over the path's last turn about `axis`, each pixel
    /// tinted once where the framebuffer has a stencil.
    void drawCone(const std::vector<vorlix::Vector3> &path, const vorlix::Vector3 &axis,
        const float *tint, int stencilMark);
    /// The family, computed when the moments change, not per frame.
    PolhodeLoops familyLoops, separatrixLoops;
    vorlix::Vector3 familyMoments {};
    /// The apex and the path of the cone being drawn, kept to spare an allocation per frame.
    std::vector<vorlix::Vector3> coneFan;

    // Cameras
    /// The chosen camera's turn, applied after the view matrix.
    vorlix::Matrix4 cameraMatrix() const;
    /// What the scene is seen through: the view matrix on top of the camera.
    vorlix::Matrix4 sceneView() const;
    /// Turns the current matrix, which is `seenThrough`, with the body.
    void turnWithBody(const vorlix::Matrix4 &seenThrough);
    /// Poinsot's paths as the overlays draw them, each thinned to a pixel.
    void drawPath(
        ThinnedLines &lines, const std::vector<vorlix::Vector3> &path, const GLfloat *colour);
    ThinnedLines polhodeLines, herpolhodeLines;
    bool listsCreated = false;
    /// The sphere's picture, or 0; it goes with the view's display lists.
    GLuint sphereTexture = 0;
    vorlix::RunState ownRun;
    TraceLayer traceLayer;
    bool incrementalTraces = true;
    /// Below this many points in the shown traces a whole redraw costs less than the
    /// layer's copy of colour and depth (about 3 ms at 600×600 in software GL).
    int traceLayerMinimumPoints = 20000;

    // Bodies: a warning shown inside initializeGL would run an event loop that
    // initialises the view again, so the files makeShape cannot open are reported after.
    void reportUnopenedFiles();
    QStringList unopenedFiles;
    const vorlix::ObjMesh *handedOverMesh = nullptr;
};

#endif
