// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the program's sounds, wallpapers and icon. They are computed rather than stored, so the
// build needs nothing but Qt and the compiler, and the same sources always give the same files.
//
//     drietal_assetgen <program folder>
//
// Writes Sounds/*.wav, Backgrounds/Wallpaper-NN.jpg and the icon (drietalspel.png, its smaller
// sizes drietalspel-NN.png, and drietalspel.svg) into the folder. Every file goes to a temporary
// name first and is renamed when whole, so a run that fails halfway never leaves a cut-off file
// that the build would take for finished.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

void meld(const QString& tekst) {
    std::fprintf(stderr, "drietal_assetgen: %s\n", qPrintable(tekst));
}

// A fixed pseudo-random sequence (xorshift32). The standard distributions may differ between
// library versions; this gives the same pictures everywhere.
class Toeval {
public:
    explicit Toeval(std::uint32_t zaad) : m_s(zaad ? zaad : 1u) {}

    std::uint32_t volgende() {
        m_s ^= m_s << 13;
        m_s ^= m_s >> 17;
        m_s ^= m_s << 5;
        return m_s;
    }
    // Uniform in [0, 1).
    double getal() { return (volgende() >> 8) * (1.0 / 16777216.0); }
    double tussen(double a, double b) { return a + (b - a) * getal(); }

private:
    std::uint32_t m_s;
};

// 0 at x <= 0, 1 at x >= 1, a half cosine in between: a fade without a corner, so without a
// click at its ends.
double zacht(double x) {
    return 0.5 - 0.5 * std::cos(kPi * std::clamp(x, 0.0, 1.0));
}

// ---------------------------------------------------------------------------------------------
// Sounds: 16-bit PCM, mono, 44.1 kHz, the plainest form of WAV, which every player reads.

constexpr int kRate = 44100;

// Peak level of every sound: -6 dBFS, loud enough to hear, with room for the mixer.
const double kPiek = std::pow(10.0, -6.0 / 20.0);

// The tone colour of a note: the strength of each harmonic (the first is the fundamental) and
// how the note starts and dies away. Higher harmonics die faster, as on a struck bar or a bell,
// which keeps the tail soft.
struct Klank {
    std::vector<double> harmonischen{1.0};
    double aanzet = 0.005;     // seconds to full strength
    double nagalm = 0.15;      // seconds for the fundamental to fall to 1/e
    double dempingBoven = 1.0; // each harmonic step dies this much faster
};

class Geluid {
public:
    explicit Geluid(double seconden) : m_s(std::size_t(std::lround(seconden * kRate)), 0.0) {}

    // Adds a note of duur seconds from start, gliding from freq to eindFreq when that is given.
    // The note fades in over its attack and out over its last few milliseconds.
    void noot(double start, double duur, double freq, double sterkte, const Klank& klank,
              double eindFreq = 0) {
        if (eindFreq <= 0)
            eindFreq = freq;
        const double uitklink = std::min(0.03, duur / 4);
        double fase = 0;
        const std::size_t begin = index(start);
        for (std::size_t i = 0; i < index(duur) && begin + i < m_s.size(); ++i) {
            const double t = double(i) / kRate;
            fase += 2 * kPi * (freq + (eindFreq - freq) * t / duur) / kRate;
            double v = 0;
            for (std::size_t h = 0; h < klank.harmonischen.size(); ++h) {
                const double demping = 1 + klank.dempingBoven * double(h);
                v += klank.harmonischen[h] * std::exp(-t * demping / klank.nagalm) *
                     std::sin(double(h + 1) * fase);
            }
            m_s[begin + i] += sterkte * v * zacht(t / klank.aanzet) * zacht((duur - t) / uitklink);
        }
    }

    // Adds a burst of noise between the corner frequencies laag and hoog: the rustle of a card.
    void ruis(double start, double duur, double sterkte, double laag, double hoog, double aanzet,
              double nagalm, std::uint32_t zaad) {
        Toeval toeval(zaad);
        const double aHoog = 1 - std::exp(-2 * kPi * hoog / kRate);
        const double aLaag = 1 - std::exp(-2 * kPi * laag / kRate);
        // Two low-pass stages above, one below: a soft papery rustle rather than a hiss.
        double voorHoog = 0;
        double onderHoog = 0;
        double onderLaag = 0;
        const std::size_t begin = index(start);
        for (std::size_t i = 0; i < index(duur) && begin + i < m_s.size(); ++i) {
            const double t = double(i) / kRate;
            const double wit = toeval.getal() * 2 - 1;
            voorHoog += aHoog * (wit - voorHoog);
            onderHoog += aHoog * (voorHoog - onderHoog);
            onderLaag += aLaag * (onderHoog - onderLaag);
            const double omhulling = zacht(t / aanzet) *
                                     std::exp(-std::max(0.0, t - aanzet) / nagalm) *
                                     zacht((duur - t) / 0.01);
            m_s[begin + i] += sterkte * (onderHoog - onderLaag) * omhulling;
        }
    }

    // The WAV file, scaled so that its loudest sample lies at kPiek.
    QByteArray wav() const {
        double piek = 0;
        for (double v : m_s)
            piek = std::max(piek, std::abs(v));
        const double schaal = piek > 0 ? kPiek / piek : 0;

        QByteArray data(qsizetype(m_s.size() * 2), Qt::Uninitialized);
        for (std::size_t i = 0; i < m_s.size(); ++i) {
            // A last fade over the first and final milliseconds, so the file starts and ends
            // at silence whatever the notes do.
            const double t = double(i) / kRate;
            const double rest = double(m_s.size() - 1 - i) / kRate;
            const double v = m_s[i] * schaal * zacht(t / 0.001) * zacht(rest / 0.004);
            const auto sample = qint16(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
            qToLittleEndian(sample, data.data() + 2 * i);
        }

        QByteArray bestand;
        const auto voeg32 = [&bestand](quint32 v) {
            char b[4];
            qToLittleEndian(v, b);
            bestand.append(b, 4);
        };
        const auto voeg16 = [&bestand](quint16 v) {
            char b[2];
            qToLittleEndian(v, b);
            bestand.append(b, 2);
        };
        bestand.append("RIFF");
        voeg32(quint32(36 + data.size()));
        bestand.append("WAVEfmt ");
        voeg32(16);
        voeg16(1); // PCM
        voeg16(1); // mono
        voeg32(kRate);
        voeg32(kRate * 2); // bytes per second
        voeg16(2);         // bytes per frame
        voeg16(16);        // bits per sample
        bestand.append("data");
        voeg32(quint32(data.size()));
        bestand.append(data);
        return bestand;
    }

private:
    static std::size_t index(double seconden) { return std::size_t(std::lround(seconden * kRate)); }

    std::vector<double> m_s;
};

bool schrijfBestand(const QString& pad, const QByteArray& bytes) {
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size() ||
        !bestand.commit()) {
        meld(QStringLiteral("cannot write %1: %2").arg(pad, bestand.errorString()));
        return false;
    }
    return true;
}

// The frequency of a note given in semitones from C5.
double toon(int halveTonen) {
    return 523.2511 * std::pow(2.0, halveTonen / 12.0);
}

// The n-th Drietal found rings the n-th step of the C major scale up from C5.
constexpr int kToonladder[10] = {0, 2, 4, 5, 7, 9, 11, 12, 14, 16};

const Klank kBel{{1.0, 0.22, 0.10, 0.04}, 0.004, 0.16, 0.8};
const Klank kKoper{{1.0, 0.30, 0.14, 0.06}, 0.012, 0.30, 0.6};

Geluid knop() {
    // A soft tick: a high, quickly dying tone over a faint lower body.
    Geluid g(0.12);
    const Klank tik{{1.0, 0.25}, 0.0015, 0.022, 1.5};
    g.noot(0, 0.12, 1500, 1.0, tik, 1380);
    g.noot(0, 0.12, 520, 0.35, Klank{{1.0}, 0.002, 0.03, 1.0});
    return g;
}

Geluid kaart() {
    // The swish of a card turned over, ending on a light tap as it lands.
    Geluid g(0.15);
    g.ruis(0, 0.15, 3.0, 700, 3800, 0.035, 0.035, 0x5eed);
    g.noot(0.07, 0.08, 330, 0.35, Klank{{1.0, 0.2}, 0.002, 0.02, 1.0}, 240);
    return g;
}

Geluid gevonden(int n) {
    if (n < 10) {
        Geluid g(0.30);
        g.noot(0, 0.30, toon(kToonladder[n - 1]), 1.0, kBel);
        return g;
    }
    // The last Drietal: the tenth step, then up through G to the high C, landing on the full
    // C major chord. The first note stands alone for a quarter second, so it is heard as the
    // next step of the scale before the fanfare takes over.
    Geluid g(0.72);
    g.noot(0, 0.72, toon(kToonladder[9]), 1.0, kBel);
    g.noot(0.25, 0.47, toon(19), 0.8, kKoper);
    g.noot(0.37, 0.35, toon(24), 0.8, kKoper);
    g.noot(0.37, 0.35, toon(12), 0.5, kKoper);
    return g;
}

Geluid timer() {
    // A wooden "tock", lower and drier than the button tick: a tone with one inharmonic
    // partial, as a wood block has.
    Geluid g(0.11);
    const Klank hout{{1.0}, 0.0015, 0.018, 1.0};
    g.noot(0, 0.11, 820, 1.0, hout);
    g.noot(0, 0.11, 820 * 2.76, 0.3, Klank{{1.0}, 0.001, 0.008, 1.0});
    return g;
}

Geluid start() {
    // "Go": a fourth up, G to C, the second note held.
    Geluid g(0.40);
    g.noot(0, 0.16, toon(7), 0.9, kKoper);
    g.noot(0.14, 0.26, toon(12), 1.0, kKoper);
    g.noot(0.14, 0.26, toon(19), 0.25, kKoper);
    return g;
}

Geluid afscheid() {
    // Goodbye: down the C major chord from high C, the last note ringing out.
    Geluid g(0.80);
    const Klank zacht{{1.0, 0.18, 0.06}, 0.01, 0.22, 0.8};
    g.noot(0.00, 0.26, toon(12), 0.9, zacht);
    g.noot(0.16, 0.28, toon(7), 0.9, zacht);
    g.noot(0.32, 0.30, toon(4), 0.9, zacht);
    g.noot(0.48, 0.32, toon(0), 1.0, zacht);
    return g;
}

bool maakGeluiden(const QDir& map) {
    struct Bestand {
        QString naam;
        Geluid geluid;
    };
    std::vector<Bestand> bestanden;
    bestanden.push_back({QStringLiteral("button.wav"), knop()});
    bestanden.push_back({QStringLiteral("kaart.wav"), kaart()});
    for (int n = 1; n <= 10; ++n)
        bestanden.push_back({QStringLiteral("%1.wav").arg(n), gevonden(n)});
    bestanden.push_back({QStringLiteral("timer.wav"), timer()});
    bestanden.push_back({QStringLiteral("Start.wav"), start()});
    bestanden.push_back({QStringLiteral("exit.wav"), afscheid()});
    for (const Bestand& b : bestanden) {
        if (!schrijfBestand(map.filePath(QStringLiteral("Sounds/") + b.naam), b.geluid.wav()))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Wallpapers: 1920 x 1080. The main window puts its title at the top, a light board at the
// upper left and the toolbar at the bottom on top of them, so they stay calm and fairly dark
// and put their detail where the window leaves room.

constexpr int kBreed = 1920;
constexpr int kHoog = 1080;

QColor metAlfa(QColor kleur, double alfa) {
    kleur.setAlphaF(float(std::clamp(alfa, 0.0, 1.0)));
    return kleur;
}

// A soft round light, fading like a Gaussian from its centre to nothing at radius r.
void gloed(QPainter& p, QPointF midden, double r, const QColor& kleur) {
    QRadialGradient verloop(midden, r);
    const double alfa = kleur.alphaF();
    for (int k = 0; k <= 10; ++k) {
        const double x = k / 10.0;
        const double sterkte = (std::exp(-3.5 * x * x) - std::exp(-3.5)) / (1 - std::exp(-3.5));
        verloop.setColorAt(x, metAlfa(kleur, alfa * sterkte));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(verloop);
    p.drawEllipse(midden, r, r);
}

// A blurred disc, as an out-of-focus light looks through a lens.
void schijf(QPainter& p, QPointF midden, double r, const QColor& kleur) {
    QRadialGradient verloop(midden, r);
    verloop.setColorAt(0, kleur);
    verloop.setColorAt(0.7, metAlfa(kleur, kleur.alphaF() * 0.85));
    verloop.setColorAt(0.9, metAlfa(kleur, kleur.alphaF() * 0.45));
    verloop.setColorAt(1, metAlfa(kleur, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(verloop);
    p.drawEllipse(midden, r, r);
}

// A soft streak of cloud: a glow stretched to breed by hoog.
void wolk(QPainter& p, QPointF midden, double breed, double hoog, const QColor& kleur) {
    p.save();
    p.translate(midden);
    p.scale(1, hoog / breed);
    gloed(p, QPointF(0, 0), breed, kleur);
    p.restore();
}

// Darkens the corners, which draws the eye to the middle and gives the edges of the window a
// quiet frame. The darkening sets in without a corner of its own: a linear ramp would show its
// start as a faint ring.
void vignet(QPainter& p, double sterkte) {
    QRadialGradient verloop(QPointF(kBreed / 2.0, kHoog / 2.0), kBreed * 0.62);
    constexpr double kBegin = 0.3;
    verloop.setColorAt(0, QColor(0, 0, 0, 0));
    for (int k = 0; k <= 12; ++k) {
        const double x = kBegin + (1 - kBegin) * k / 12.0;
        verloop.setColorAt(x, metAlfa(Qt::black, sterkte * std::pow(zacht(k / 12.0), 1.5)));
    }
    p.fillRect(QRect(0, 0, kBreed, kHoog), verloop);
}

// Lightens the picture by sterkte(x, y) (0..1) of kleur, as a screen blend, worked out for every
// pixel in floating point. Wide, faint shapes laid down as translucent 8-bit fills would show
// the steps between their alpha levels as bands.
template <typename Sterkte> void belicht(QImage& beeld, const QColor& kleur, Sterkte sterkte) {
    const double kr = kleur.redF();
    const double kg = kleur.greenF();
    const double kb = kleur.blueF();
    for (int y = 0; y < beeld.height(); ++y) {
        auto* regel = reinterpret_cast<QRgb*>(beeld.scanLine(y));
        for (int x = 0; x < beeld.width(); ++x) {
            const double s = std::clamp(sterkte(x, y), 0.0, 1.0);
            if (s <= 0)
                continue;
            const QRgb c = regel[x];
            const auto scherm = [s](int kanaal, double licht) {
                return int(std::lround(255 - (255 - kanaal) * (1 - licht * s)));
            };
            regel[x] = qRgb(scherm(qRed(c), kr), scherm(qGreen(c), kg), scherm(qBlue(c), kb));
        }
    }
}

// Fine grain over the whole picture. It hides the bands a smooth dark gradient shows in
// 8 bits and in JPEG, and it gives the surface a little texture.
void korrel(QImage& beeld, int sterkte, std::uint32_t zaad) {
    Toeval toeval(zaad);
    for (int y = 0; y < beeld.height(); ++y) {
        auto* regel = reinterpret_cast<QRgb*>(beeld.scanLine(y));
        for (int x = 0; x < beeld.width(); ++x) {
            const int d = int(toeval.volgende() % unsigned(2 * sterkte + 1)) - sterkte;
            const QRgb c = regel[x];
            regel[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                            std::clamp(qBlue(c) + d, 0, 255));
        }
    }
}

// A skyline of rolling ground: the sum of a few slow waves around hoogte.
QPainterPath heuvels(double hoogte, double golf, std::uint32_t zaad) {
    Toeval toeval(zaad);
    double freq[3];
    double fase[3];
    for (int k = 0; k < 3; ++k) {
        freq[k] = toeval.tussen(0.6, 1.4) * (k + 1) * 2 * kPi / kBreed;
        fase[k] = toeval.tussen(0, 2 * kPi);
    }
    QPainterPath pad;
    pad.moveTo(0, kHoog);
    for (int x = 0; x <= kBreed; x += 6) {
        double y = hoogte;
        for (int k = 0; k < 3; ++k)
            y += golf / (k + 1) * std::sin(freq[k] * x + fase[k]);
        pad.lineTo(x, y);
    }
    pad.lineTo(kBreed, kHoog);
    pad.closeSubpath();
    return pad;
}

// A row of firs standing on a gentle slope around grond.
QPainterPath bomen(double grond, double hoogte, int aantal, std::uint32_t zaad) {
    Toeval toeval(zaad);
    QPainterPath pad = heuvels(grond, hoogte * 0.12, zaad + 1);
    pad.setFillRule(Qt::WindingFill);
    for (int i = 0; i < aantal; ++i) {
        const double x = toeval.tussen(-40, kBreed + 40);
        const double h = hoogte * toeval.tussen(0.55, 1.0);
        const double voet = grond + hoogte * 0.1;
        const double breed = h * toeval.tussen(0.32, 0.42);
        // The outline zigzags down both sides, each tier of branches wider than the last.
        constexpr int kLagen = 6;
        QPolygonF boom;
        boom << QPointF(x, voet - h);
        for (int l = 1; l <= kLagen; ++l) {
            const double y = voet - h + h * 0.85 * l / kLagen;
            const double w = breed / 2 * l / kLagen;
            boom << QPointF(x + w, y) << QPointF(x + w * 0.55, y - h * 0.02);
        }
        boom << QPointF(x + breed * 0.05, voet) << QPointF(x - breed * 0.05, voet);
        for (int l = kLagen; l >= 1; --l) {
            const double y = voet - h + h * 0.85 * l / kLagen;
            const double w = breed / 2 * l / kLagen;
            boom << QPointF(x - w * 0.55, y - h * 0.02) << QPointF(x - w, y);
        }
        pad.addPolygon(boom);
        pad.closeSubpath();
    }
    return pad;
}

// Wallpaper-01, the default: deep blue-green water light, a few soft bright shapes and slow
// ribbons of light low in the picture.
QImage blauwGroen() {
    QImage beeld(kBreed, kHoog, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient grond(0, 0, kBreed, kHoog);
    grond.setColorAt(0, QColor(12, 32, 50));
    grond.setColorAt(0.5, QColor(10, 50, 60));
    grond.setColorAt(1, QColor(6, 38, 40));
    p.fillRect(beeld.rect(), grond);

    gloed(p, QPointF(1520, 260), 760, QColor(60, 150, 165, 70));
    gloed(p, QPointF(260, 980), 620, QColor(40, 135, 115, 60));
    gloed(p, QPointF(1000, 620), 900, QColor(30, 95, 115, 35));

    p.end();

    // Ribbons: bands between two slow waves, brightest inside and fading out at both edges,
    // fading in from the left and thinning out to the right.
    constexpr int kBanden = 7;
    std::vector<double> boven(std::size_t(kBreed) * kBanden);
    std::vector<double> onder(boven.size());
    std::vector<double> langs(kBreed);
    for (int x = 0; x < kBreed; ++x) {
        const double u = double(x) / kBreed;
        langs[x] = zacht(u / 0.45) * (1 - 0.6 * zacht((u - 0.75) / 0.25));
        for (int band = 0; band < kBanden; ++band) {
            const double midden = 770 + band * 30 + 80 * std::sin(x / 540.0 + band * 0.6) +
                                  30 * std::sin(x / 210.0 - band * 0.8);
            const double half = 22 + band * 6;
            boven[std::size_t(x) * kBanden + band] = midden - half;
            onder[std::size_t(x) * kBanden + band] = midden + half;
        }
    }
    belicht(beeld, QColor(130, 220, 220), [&](int x, int y) {
        double licht = 0;
        for (int band = 0; band < kBanden; ++band) {
            const double b = boven[std::size_t(x) * kBanden + band];
            const double o = onder[std::size_t(x) * kBanden + band];
            if (y <= b || y >= o)
                continue;
            const double rand = (o - b) * 0.45;
            licht += zacht((y - b) / rand) * zacht((o - y) / rand);
        }
        return 0.065 * langs[x] * licht;
    });

    p.begin(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    Toeval toeval(101);
    for (int i = 0; i < 34; ++i) {
        const QPointF plek(toeval.tussen(0, kBreed), toeval.tussen(0, kHoog));
        schijf(p, plek, toeval.tussen(14, 80), QColor(150, 225, 220, int(toeval.tussen(8, 26))));
    }

    vignet(p, 0.55);
    p.end();
    korrel(beeld, 2, 11);
    return beeld;
}

// Wallpaper-02: a warm sunset over layered hills.
QImage zonsondergang() {
    QImage beeld(kBreed, kHoog, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient lucht(0, 0, 0, kHoog);
    lucht.setColorAt(0, QColor(34, 22, 58));
    lucht.setColorAt(0.32, QColor(96, 42, 78));
    lucht.setColorAt(0.56, QColor(190, 88, 72));
    lucht.setColorAt(0.7, QColor(232, 148, 82));
    lucht.setColorAt(0.85, QColor(160, 78, 64));
    lucht.setColorAt(1, QColor(60, 26, 40));
    p.fillRect(beeld.rect(), lucht);

    const QPointF zon(1380, 735);
    gloed(p, zon, 820, QColor(255, 170, 90, 110));
    gloed(p, zon, 320, QColor(255, 210, 140, 170));
    schijf(p, zon, 88, QColor(255, 236, 190, 245));

    // Long thin clouds lit from below, each a few overlapping soft streaks.
    Toeval toeval(202);
    for (int i = 0; i < 8; ++i) {
        const QPointF plek(toeval.tussen(-100, kBreed + 100), toeval.tussen(260, 620));
        const double lengte = toeval.tussen(260, 520);
        const QColor kleur(255, int(toeval.tussen(150, 190)), 140, int(toeval.tussen(40, 70)));
        for (int deel = 0; deel < 4; ++deel) {
            const QPointF verschuiving(toeval.tussen(-lengte, lengte) * 0.6,
                                       toeval.tussen(-10, 10));
            wolk(p, plek + verschuiving, lengte * toeval.tussen(0.5, 1.0), toeval.tussen(14, 30),
                 kleur);
        }
    }

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 46, 62));
    p.drawPath(heuvels(820, 50, 21));
    p.setBrush(QColor(70, 30, 48));
    p.drawPath(heuvels(880, 60, 22));
    p.setBrush(QColor(40, 18, 32));
    p.drawPath(heuvels(960, 55, 23));

    vignet(p, 0.45);
    p.end();
    korrel(beeld, 2, 12);
    return beeld;
}

// Wallpaper-03: a fir forest in the morning, sunbeams through the mist.
QImage bos() {
    QImage beeld(kBreed, kHoog, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient lucht(0, 0, 0, kHoog);
    lucht.setColorAt(0, QColor(36, 74, 52));
    lucht.setColorAt(0.5, QColor(52, 96, 62));
    lucht.setColorAt(1, QColor(12, 34, 22));
    p.fillRect(beeld.rect(), lucht);
    gloed(p, QPointF(1600, 120), 900, QColor(220, 235, 170, 80));

    // Each row of trees is darker and nearer; mist lies over the rows behind it.
    const QColor rijen[4] = {QColor(44, 82, 56), QColor(30, 64, 42), QColor(20, 46, 30),
                             QColor(10, 28, 18)};
    for (int r = 0; r < 4; ++r) {
        p.setPen(Qt::NoPen);
        p.setBrush(rijen[r]);
        p.drawPath(bomen(640 + r * 110, 300 + r * 90, 26 - r * 4, 300 + r));
        if (r < 3) {
            QLinearGradient mist(0, 520 + r * 110, 0, 860 + r * 110);
            mist.setColorAt(0, QColor(170, 200, 160, 0));
            mist.setColorAt(1, QColor(170, 200, 160, 46));
            p.fillRect(QRectF(0, 520 + r * 110, kBreed, kHoog), mist);
        }
    }

    p.end();

    // Sunbeams from above the upper right corner, each brightest along its middle and fading
    // sideways like light through mist, strongest a third of the way down.
    struct Straal {
        double hoek;
        double breedte;
        double sterkte;
    };
    const QPointF bron(1700, -260);
    Toeval toeval(303);
    std::vector<Straal> stralen;
    for (int i = 0; i < 7; ++i)
        stralen.push_back({kPi * toeval.tussen(0.56, 0.8), toeval.tussen(0.006, 0.016),
                           toeval.tussen(0.10, 0.18)});
    belicht(beeld, QColor(230, 240, 190), [&](int x, int y) {
        const double dx = x - bron.x();
        const double dy = y - bron.y();
        const double afstand = std::hypot(dx, dy) / 1800;
        const double langs = zacht(afstand / 0.3) * (1 - zacht((afstand - 0.3) / 0.7));
        const double hoek = std::atan2(dy, dx);
        double licht = 0;
        for (const Straal& straal : stralen) {
            const double d = (hoek - straal.hoek) / straal.breedte;
            licht += straal.sterkte * std::exp(-d * d);
        }
        return licht * langs;
    });
    p.begin(&beeld);
    p.setRenderHint(QPainter::Antialiasing);

    for (int i = 0; i < 22; ++i) {
        const QPointF plek(toeval.tussen(0, kBreed), toeval.tussen(500, kHoog));
        schijf(p, plek, toeval.tussen(4, 12), QColor(220, 240, 150, int(toeval.tussen(40, 90))));
    }

    vignet(p, 0.5);
    p.end();
    korrel(beeld, 2, 13);
    return beeld;
}

// Wallpaper-04: a purple night with stars, a faint nebula and a crescent moon.
QImage nacht() {
    QImage beeld(kBreed, kHoog, QImage::Format_RGB32);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient lucht(0, 0, 0, kHoog);
    lucht.setColorAt(0, QColor(14, 8, 32));
    lucht.setColorAt(0.6, QColor(42, 20, 70));
    lucht.setColorAt(0.88, QColor(86, 42, 104));
    lucht.setColorAt(1, QColor(50, 24, 70));
    p.fillRect(beeld.rect(), lucht);

    gloed(p, QPointF(1250, 380), 700, QColor(150, 60, 170, 50));
    gloed(p, QPointF(1600, 560), 520, QColor(70, 90, 200, 45));
    gloed(p, QPointF(420, 260), 520, QColor(110, 50, 150, 35));

    Toeval toeval(404);
    for (int i = 0; i < 420; ++i) {
        const QPointF plek(toeval.tussen(0, kBreed), toeval.tussen(0, 900));
        const double helder = std::pow(toeval.getal(), 2.2);
        const double r = 0.6 + 1.3 * helder;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 225, 255, int(90 + 165 * helder)));
        p.drawEllipse(plek, r, r);
        if (helder > 0.6)
            gloed(p, plek, 10 + 16 * helder, QColor(200, 190, 255, 70));
    }

    // The moon: a lit disc minus a disc shifted towards the light, lying in its own glow.
    const QPointF maan(1560, 210);
    gloed(p, maan, 260, QColor(200, 190, 255, 60));
    QPainterPath schijfPad;
    schijfPad.addEllipse(maan, 64, 64);
    QPainterPath schaduw;
    schaduw.addEllipse(maan + QPointF(-28, -14), 58, 58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(244, 238, 255));
    p.drawPath(schijfPad.subtracted(schaduw));

    p.setBrush(QColor(30, 14, 46));
    p.drawPath(heuvels(990, 35, 41));

    vignet(p, 0.5);
    p.end();
    korrel(beeld, 2, 14);
    return beeld;
}

bool schrijfBeeld(const QString& pad, const QImage& beeld, const char* soort, int kwaliteit) {
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) {
        meld(QStringLiteral("cannot write %1: %2").arg(pad, bestand.errorString()));
        return false;
    }
    QImageWriter schrijver(&bestand, soort);
    schrijver.setQuality(kwaliteit);
    schrijver.setOptimizedWrite(true);
    if (!schrijver.write(beeld) || !bestand.commit()) {
        meld(QStringLiteral("cannot write %1: %2 %3")
                 .arg(pad, schrijver.errorString(), bestand.errorString()));
        return false;
    }
    return true;
}

bool maakAchtergronden(const QDir& map) {
    const QImage beelden[] = {blauwGroen(), zonsondergang(), bos(), nacht()};
    for (int i = 0; i < 4; ++i) {
        const QString pad = map.filePath(
            QStringLiteral("Backgrounds/Wallpaper-%1.jpg").arg(i + 1, 2, 10, QChar('0')));
        if (!schrijfBeeld(pad, beelden[i], "jpeg", 80))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// The icon: three cards fanned out, the two behind showing the backs of card rows 1 and 2, the
// front one turned over to a white face with a 3, framed in the colour of row 3.

const QColor kRijKleur[3] = {QColor(120, 100, 100), QColor(100, 120, 100), QColor(100, 100, 120)};

constexpr double kKaartBreed = 112;
constexpr double kKaartHoog = 152;
constexpr double kKaartRond = 14;

QRectF kaartVlak() {
    return QRectF(-kKaartBreed / 2, -kKaartHoog / 2, kKaartBreed, kKaartHoog);
}

// The card's shadow on what lies below: a few widening, faint outlines add up to a soft edge.
void kaartSchaduw(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (int k = 6; k >= 1; --k) {
        p.setPen(QPen(QColor(0, 0, 0, 16), k * 2.0));
        p.drawRoundedRect(kaartVlak().translated(3, 5), kKaartRond, kKaartRond);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(kaartVlak().translated(3, 5), kKaartRond, kKaartRond);
}

void kaartRug(QPainter& p, const QColor& kleur) {
    kaartSchaduw(p);
    p.setPen(QPen(kleur.darker(130), 2));
    p.setBrush(kleur);
    p.drawRoundedRect(kaartVlak(), kKaartRond, kKaartRond);
    p.setPen(QPen(QColor(255, 255, 255, 70), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kaartVlak().adjusted(10, 10, -10, -10), kKaartRond - 6, kKaartRond - 6);
}

// A 3 drawn as two open bowls meeting in the middle, so it looks the same on every system,
// whatever fonts are installed.
QPainterPath drie() {
    const QRectF boven(-25, -46, 50, 44);
    const QRectF onder(-29, -2, 58, 50);
    QPainterPath pad;
    pad.arcMoveTo(boven, 155);
    pad.arcTo(boven, 155, -245);
    pad.arcTo(onder, 90, -250);
    return pad;
}

void kaartVoorkant(QPainter& p) {
    kaartSchaduw(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kRijKleur[2]);
    p.drawRoundedRect(kaartVlak(), kKaartRond, kKaartRond);
    p.setBrush(Qt::white);
    p.drawRoundedRect(kaartVlak().adjusted(7, 7, -7, -7), kKaartRond - 5, kKaartRond - 5);
    p.setPen(QPen(kRijKleur[2], 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(drie().translated(0, -1));
}

// The hand of cards: the point the cards turn about, below their centre as a hand of cards fans
// out, and each card's angle and centre from there.
const QPointF kDraaipunt(136, 248);
const double kHoeken[3] = {-20, -4, 13};
const QPointF kMidden[3] = {QPointF(0, -128), QPointF(0, -134), QPointF(0, -124)};

// The icon at grootte pixels square: the 256-pixel drawing scaled.
QImage icoon(int grootte) {
    QImage beeld(grootte, grootte, QImage::Format_ARGB32_Premultiplied);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(grootte / 256.0, grootte / 256.0);
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(kDraaipunt);
        p.rotate(kHoeken[k]);
        p.translate(kMidden[k]);
        if (k < 2)
            kaartRug(p, kRijKleur[k]);
        else
            kaartVoorkant(p);
        p.restore();
    }
    p.end();
    return beeld;
}

// The same drawing as SVG, for desktops that scale the icon themselves. Written out by hand from
// the shapes above rather than through a paint device, which keeps the file small.
QString svgGetal(double x) {
    return QString::number(x, 'g', 5);
}

QString svgRechthoek(const QRectF& r, double rond, const QString& stijl) {
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" %6/>")
        .arg(svgGetal(r.x()), svgGetal(r.y()), svgGetal(r.width()), svgGetal(r.height()),
             svgGetal(rond), stijl);
}

QString svgPad(const QPainterPath& pad) {
    QString d;
    for (int i = 0; i < pad.elementCount(); ++i) {
        const QPainterPath::Element e = pad.elementAt(i);
        d += e.isMoveTo()    ? QStringLiteral("M")
             : e.isLineTo()  ? QStringLiteral("L")
             : e.isCurveTo() ? QStringLiteral("C")
                             : QStringLiteral(" ");
        d += svgGetal(e.x) + u' ' + svgGetal(e.y);
    }
    return d;
}

QString svgKaart(int k) {
    const QRectF vlak = kaartVlak();
    QString g = QStringLiteral("<g transform=\"translate(%1 %2) rotate(%3) translate(%4 %5)\">")
                    .arg(svgGetal(kDraaipunt.x()), svgGetal(kDraaipunt.y()), svgGetal(kHoeken[k]),
                         svgGetal(kMidden[k].x()), svgGetal(kMidden[k].y()));
    const QString schaduw = QStringLiteral("fill=\"#000\" fill-opacity=\"0.24\" stroke=\"#000\" "
                                           "stroke-opacity=\"0.12\" stroke-width=\"8\"");
    g += svgRechthoek(vlak.translated(3, 5), kKaartRond, schaduw);
    const QColor kleur = kRijKleur[k];
    if (k < 2) {
        g += svgRechthoek(vlak, kKaartRond,
                          QStringLiteral("fill=\"%1\" stroke=\"%2\" stroke-width=\"2\"")
                              .arg(kleur.name(), kleur.darker(130).name()));
        g += svgRechthoek(vlak.adjusted(10, 10, -10, -10), kKaartRond - 6,
                          QStringLiteral("fill=\"none\" stroke=\"#fff\" stroke-opacity=\"0.27\" "
                                         "stroke-width=\"3\""));
    } else {
        g += svgRechthoek(vlak, kKaartRond, QStringLiteral("fill=\"%1\"").arg(kleur.name()));
        g += svgRechthoek(vlak.adjusted(7, 7, -7, -7), kKaartRond - 5,
                          QStringLiteral("fill=\"#fff\""));
        g += QStringLiteral("<path d=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"15\" "
                            "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")
                 .arg(svgPad(drie().translated(0, -1)), kleur.name());
    }
    return g + QStringLiteral("</g>\n");
}

QByteArray icoonSvg() {
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" "
                                 "height=\"256\" viewBox=\"0 0 256 256\">\n");
    for (int k = 0; k < 3; ++k)
        svg += svgKaart(k);
    return (svg + QStringLiteral("</svg>\n")).toUtf8();
}

// drietalspel.png at 256 pixels, the smaller sizes a desktop shows in menus and docks beside it,
// and the SVG.
bool maakIcoon(const QDir& map) {
    if (!schrijfBeeld(map.filePath(QStringLiteral("drietalspel.png")), icoon(256), "png", -1))
        return false;
    for (int grootte : {48, 64, 128}) {
        const QString naam = QStringLiteral("drietalspel-%1.png").arg(grootte);
        if (!schrijfBeeld(map.filePath(naam), icoon(grootte), "png", -1))
            return false;
    }
    return schrijfBestand(map.filePath(QStringLiteral("drietalspel.svg")), icoonSvg());
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList argumenten = QGuiApplication::arguments();
    if (argumenten.size() != 2) {
        std::fprintf(stderr, "usage: drietal_assetgen <program folder>\n");
        return 2;
    }
    const QDir map(argumenten.at(1));
    if (!map.mkpath(QStringLiteral("Sounds")) || !map.mkpath(QStringLiteral("Backgrounds"))) {
        meld(QStringLiteral("cannot make the folders in %1").arg(map.path()));
        return 1;
    }
    if (!maakGeluiden(map) || !maakAchtergronden(map) || !maakIcoon(map))
        return 1;
    return 0;
}
