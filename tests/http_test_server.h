#pragma once
// A small HTTP server on 127.0.0.1 inside the test process: serves version files and downloads
// as the maker's server would, and misbehaves on request (error status, no length, a
// connection cut midway, a slow answer).
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The update site's server as the tests' program reads it, "127.0.0.1:<port>".
extern char testSiteServer[32];
// The maker's key the tests' program checks the version file with; empty, as a program built
// without a key, unless a test sets it.
extern char testSiteKey[129];

struct HttpReply {
    int status = 200;
    std::string body;
    bool contentLength = true;           // announce the body's length
    size_t cutAfter = std::string::npos; // close the connection after this many body bytes
    uint32_t firstDelay = 0;                // milliseconds before the first body byte
    uint32_t pieceDelay = 0;                // milliseconds between pieces of 1 KB
    // When set, a request without "Authorization: Basic <this>" gets 401 and a password request.
    std::string basicCredentials;
};

// Listens on a port the system assigns and names itself as the update site of the tests'
// program (testSiteServer), so test programs running side by side never share a port.
class HttpTestServer {
public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    bool listening() const { return listener_ != noSocket; }
    int port() const { return port_; }
    void serve(const std::string& path, const HttpReply& reply);
    // The paths asked for so far, in order.
    std::vector<std::string> requests() const;
    // The pieces of the answer being sent that have not gone out yet.
    size_t piecesLeft() const { return piecesLeft_; }

private:
    void run();
    // A SOCKET, kept without the socket headers so that includers need not order theirs.
    using Socket = uintptr_t;
    static constexpr Socket noSocket = ~Socket(0);
    void answer(Socket client);
    bool sendAll(Socket client, const char* bytes, size_t size);
    void pause(uint32_t milliseconds);

    Socket listener_ = noSocket;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<size_t> piecesLeft_{0};
    mutable std::mutex mutex_;
    std::map<std::string, HttpReply> replies_;
    std::vector<std::string> requests_;
    std::thread thread_;
};
