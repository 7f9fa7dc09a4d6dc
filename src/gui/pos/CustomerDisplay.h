#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QPlainTextEdit;
class QPrinter;
class QSerialPort;

// Where the lines of the customer display end up. The display keeps the
// last text it was sent.
class DisplaySink
{
public:
    virtual ~DisplaySink() = default;
    // The first `lines.size()` lines of the display, each exactly as wide
    // as the display.
    virtual void show(const QStringList &lines) = 0;
};

// The on-screen replacement of the pole display: a memo on the sale page.
class MemoDisplaySink : public DisplaySink
{
public:
    explicit MemoDisplaySink(QPlainTextEdit *memo);
    void show(const QStringList &lines) override;

private:
    QPointer<QPlainTextEdit> m_memo;
};

// A pole display driven as a named printer: one print job per text, the
// lines joined without separator at the top left corner. When no printer
// of exactly that name is installed nothing is printed.
class PrinterDisplaySink : public DisplaySink
{
public:
    explicit PrinterDisplaySink(const QString &printerName);
    ~PrinterDisplaySink() override;
    void show(const QStringList &lines) override;
    static bool isInstalled(const QString &name);

private:
    QString m_name;
    std::unique_ptr<QPrinter> m_printer;
};

// A pole display on a serial port: "clear display" (form feed), then the
// lines separated by CR LF, in the Arabic code page of the displays.
class SerialDisplaySink : public DisplaySink
{
public:
    SerialDisplaySink(const QString &portName, int baud);
    ~SerialDisplaySink() override;
    void show(const QStringList &lines) override;
    // The bytes written for these lines.
    static QByteArray encode(const QStringList &lines);

private:
    bool open();
    QString m_portName;
    int m_baud;
    std::unique_ptr<QSerialPort> m_port;
};

// Option keys of the serial pole display (the display printer and its
// lines and width have keys of their own).
namespace DisplayKeys {
inline const char Lines[] = "DisplayLines";
inline const char Chars[] = "DisplayChars";
inline const char SerialPort[] = "PoleDisplay.port";
inline const char SerialBaud[] = "PoleDisplay.baud";
// The display printer name that means the memo on the sale page.
inline const char MemoName[] = "DisplayMemo";
} // namespace DisplayKeys

// The customer display: a text of a few fixed-width lines that faces the
// customer. Which sink receives it follows the options: the memo when the
// display printer is "DisplayMemo" (any letter case), else the serial port
// when one is set, else the named printer; with none of them configured
// nothing is shown.
class CustomerDisplay : public QObject
{
    Q_OBJECT
public:
    explicit CustomerDisplay(QObject *parent = nullptr);
    ~CustomerDisplay() override;

    struct Config
    {
        int lines = 2;       // 1 to 4
        int chars = 20;      // width of a line
        QString printer;     // display printer name
        QString serialPort;  // serial port name, empty for none
        int baud = 9600;
    };
    // Reads the configuration from the options in memory.
    static Config configFromOptions();
    void configure(const Config &config);
    const Config &config() const { return m_config; }

    // The memo of the sale page (used when the printer name says so).
    void setMemo(QPlainTextEdit *memo);
    bool memoActive() const;
    static bool isMemoName(const QString &printerName);

    // A sink that replaces the configured one (tests, other transports);
    // nullptr returns to the configured sink. Not owned.
    void setSinkOverride(DisplaySink *sink) { m_override = sink; }

    // Writes up to four lines.
    void SendToDisplay(const QString &line1, const QString &line2 = {}, const QString &line3 = {},
                       const QString &line4 = {});
    // One text on the first line, the others empty.
    void SendLineToDisplay(const QString &text);
    // The item line and the total line of the current sale.
    void DisplayText(const QString &description, double quantity, double rate, const QString &totalText,
                     int decimals);

    // The lines as they were last sent to the sink (empty when nothing was
    // shown because no display is configured).
    QStringList lastLines() const { return m_last; }

    // -- the texts
    // description padded or cut, a blank, then "<quantity>x <price>".
    static QString itemLine(const QString &description, double quantity, double rate, int decimals, int width);
    // "Total:" + blanks + amount, exactly `width` long; "Total: !!!!" when
    // the amount does not fit.
    static QString totalLine(const QString &totalText, int width);
    static QString fit(const QString &text, int width);

signals:
    // Every text that reached a sink.
    void shown(const QStringList &lines);

private:
    DisplaySink *sink();

    Config m_config;
    QPointer<QPlainTextEdit> m_memo;
    std::unique_ptr<DisplaySink> m_sink;
    DisplaySink *m_override = nullptr;
    QStringList m_last;
};
