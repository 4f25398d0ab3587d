#!/usr/bin/env python3
"""The HTTPS update tests' server, outside Wine: the maker's server with a good certificate and
three bad ones.

https_test_server.py start FOLDER   starts the server in the background, which makes a
                                    throw-away CA and the certificates in FOLDER, and returns
                                    once it listens; FOLDER/servers.txt then names a port per line:
                                    good, wrong-name, expired, unknown-ca, plain (HTTP).
https_test_server.py stop FOLDER    ends it.
Every port serves the files below FOLDER/www on 127.0.0.1; a file with a mark "<name>.to-http"
beside it is, on the HTTPS ports, a redirect to the same path on the plain port. The server ends by itself after an hour.
"""
import http.server
import os
import signal
import ssl
import subprocess
import sys
import threading
import time
from pathlib import Path

NAMES = ["good", "wrong-name", "expired", "unknown-ca", "plain"]
LIFETIME = 3600


def openssl(*arguments, folder):
    subprocess.run(["openssl", *arguments], cwd=folder, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def make_ca(name, folder):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{name}.key", "-out", f"{name}.pem",
            "-days", "3650", "-subj", f"/CN=Kadermeister {name}", "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", folder=folder)


def make_server_certificate(name, ca, host_names, folder, dates=None):
    """A server certificate for host_names signed by ca; dates (start, end) as openssl ca takes them."""
    openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", f"{name}.key", "-out", f"{name}.csr",
            "-subj", f"/CN={host_names[0]}", folder=folder)
    alt_names = ",".join(("IP:" if host[0].isdigit() else "DNS:") + host for host in host_names)
    Path(folder, f"{name}.ext").write_text(
        "basicConstraints = CA:FALSE\nkeyUsage = critical,digitalSignature,keyEncipherment\n"
        f"extendedKeyUsage = serverAuth\nsubjectAltName = {alt_names}\n"
        f"crlDistributionPoints = URI:{Path(folder, ca + '.crl-url').read_text()}\n")
    start, end = dates or (None, None)
    validity = ["-startdate", start, "-enddate", end] if start else ["-days", "30"]
    openssl("ca", "-batch", "-config", f"{ca}.cnf", "-extfile", f"{name}.ext", "-in", f"{name}.csr",
            "-out", f"{name}.pem", "-notext", *validity, folder=folder)


def make_certificates(folder, plain_port):
    """Two CAs, each with its (empty) revocation list on the plain port, as the system checks
    revocation, and the four server certificates."""
    crls = Path(folder, "www", "crl")
    crls.mkdir(parents=True, exist_ok=True)
    for ca in ("ca", "other-ca"):
        make_ca(ca, folder)
        Path(folder, f"{ca}.cnf").write_text(
            "[ca]\ndefault_ca = test\n[test]\n"
            f"database = {ca}.index\nnew_certs_dir = .\nserial = {ca}.serial\ncertificate = {ca}.pem\n"
            f"private_key = {ca}.key\ndefault_md = sha256\npolicy = anything\nunique_subject = no\n"
            "default_crl_days = 30\n[anything]\ncommonName = supplied\n")
        Path(folder, f"{ca}.index").write_text("")
        Path(folder, f"{ca}.serial").write_text("1000\n")
        Path(folder, f"{ca}.crl-url").write_text(f"http://127.0.0.1:{plain_port}/crl/{ca}.crl")
        openssl("ca", "-gencrl", "-config", f"{ca}.cnf", "-out", f"{ca}-crl.pem", folder=folder)
        openssl("crl", "-in", f"{ca}-crl.pem", "-outform", "DER", "-out", str(crls / f"{ca}.crl"), folder=folder)
    local = ["127.0.0.1", "localhost"]
    make_server_certificate("good", "ca", local, folder)
    make_server_certificate("wrong-name", "ca", ["anderer-server.example"], folder)
    make_server_certificate("expired", "ca", local, folder, ("20200101000000Z", "20210101000000Z"))
    make_server_certificate("unknown-ca", "other-ca", local, folder)


class Handler(http.server.SimpleHTTPRequestHandler):
    plain_port = 0

    def do_GET(self):
        # A file with a mark beside it is sent to the plain port instead, over HTTP.
        if Path(self.translate_path(self.path) + ".to-http").exists() and self.server.server_port != Handler.plain_port:
            self.send_response(302)
            self.send_header("Location", f"http://127.0.0.1:{Handler.plain_port}{self.path}")
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        super().do_GET()

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *arguments):
        pass


def serve(folder):
    www = Path(folder, "www")
    www.mkdir(exist_ok=True)
    servers = [http.server.ThreadingHTTPServer(("127.0.0.1", 0), lambda *a, **k: Handler(*a, directory=str(www), **k))
               for _ in NAMES]
    Handler.plain_port = servers[-1].server_address[1]
    make_certificates(folder, Handler.plain_port)
    for name, server in zip(NAMES, servers):
        if name != "plain":
            context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            # The chain as servers send it: the certificate, then its CA.
            chain = Path(folder, f"{name}-chain.pem")
            chain.write_text(Path(folder, f"{name}.pem").read_text()
                             + Path(folder, "other-ca.pem" if name == "unknown-ca" else "ca.pem").read_text())
            context.load_cert_chain(chain, Path(folder, f"{name}.key"))
            server.socket = context.wrap_socket(server.socket, server_side=True)
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    ports = Path(folder, "servers.tmp")
    ports.write_text("".join(f"{name} {server.server_address[1]}\n" for name, server in zip(NAMES, servers)))
    ports.replace(Path(folder, "servers.txt"))
    time.sleep(LIFETIME)


def start(folder):
    Path(folder).mkdir(parents=True, exist_ok=True)
    stop(folder)
    Path(folder, "servers.txt").unlink(missing_ok=True)
    with open(Path(folder, "server.log"), "w") as log:
        server = subprocess.Popen([sys.executable, __file__, "serve", folder], stdin=subprocess.DEVNULL, stdout=log,
                                  stderr=log, start_new_session=True)
    Path(folder, "server.pid").write_text(str(server.pid))
    for _ in range(300):
        if Path(folder, "servers.txt").exists():
            print(Path(folder, "servers.txt").read_text(), end="")
            return
        if server.poll() is not None:
            break
        time.sleep(0.1)
    sys.exit("the HTTPS test server did not start: " + Path(folder, "server.log").read_text())


def stop(folder):
    pid_file = Path(folder, "server.pid")
    if not pid_file.exists():
        return
    pid = pid_file.read_text().strip()
    pid_file.unlink()
    # Only our own server: after its hour the number may belong to another process.
    try:
        command = Path(f"/proc/{pid}/cmdline").read_bytes().split(b"\0")
    except OSError:
        return
    if b"serve" in command and any(part.endswith(b"https_test_server.py") for part in command):
        os.kill(int(pid), signal.SIGTERM)


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop", "serve"):
        sys.exit(__doc__.strip())
    {"start": start, "stop": stop, "serve": serve}[sys.argv[1]](str(Path(sys.argv[2]).resolve()))


if __name__ == "__main__":
    main()
