#pragma once

#include <QString>

#include <functional>

// What became of a scan a phone sent, as its reply says.
struct PhoneScanAnswer
{
    enum class Kind {
        Answered, // the code's answer is known: status and name go back
        Queued,   // taken, its answer not known yet
        NotACode, // refused: not a product code
        NotTaken, // refused: the session could not write it down
    };
    Kind kind = Kind::NotACode;
    QString code;
    QString status; // "found", "not found", "failed", "not looked up"
    QString name;
};

// The small web server a phone scanner app sends its scans to: off until started, on the address
// and port the user picked, taking requests only at a path that holds the current token. A
// refused request (no token, no code, too many, too large, too slow) gets a bare status and adds
// nothing. An accepted one is answered with the code's answer as soon as it is known, within a
// short wait; after it, with "queued".
class PhoneScanReceiver
{
public:
    virtual ~PhoneScanReceiver() = default;

    // Starts listening. Throws OperationFailed when the address and port cannot be taken.
    virtual void start(const QString& address, quint16 port) = 0;
    virtual void stop() = 0;
    virtual bool isListening() const = 0;
    // The port listened on (the one the system chose for port 0).
    virtual quint16 port() const = 0;
    // From now on only this token's path is taken; requests at an earlier one are refused at once.
    virtual void setToken(const QString& token) = 0;
    // The answer for a code that was queued: every request still waiting for it is answered.
    virtual void answered(const PhoneScanAnswer& answer) = 0;

    // Called with the code text of each accepted request; says what became of it.
    std::function<PhoneScanAnswer(const QString& text)> onScan;
    // Called after a request was taken and answered for now, from the event loop, so that the
    // queue can be asked about outside the request's handling.
    std::function<void()> afterScan;
};
