# SPDX-License-Identifier: GPL-3.0-or-later
# The project's interface: `make run` and `make test` do everything on a fresh Debian 12.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
XVFB        = xvfb-run -a -s "-screen 0 1280x1024x24"

# Debian packages the build, the tests and the program need.
PACKAGES = g++ make cmake pkg-config \
           qt6-base-dev qt6-qpa-plugins libqt6opengl6-dev qt6-translations-l10n \
           qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools \
           libgl-dev libglu1-mesa-dev libgl1-mesa-dri \
           xvfb xauth fonts-dejavu-core locales xdotool imagemagick libx11-dev
# Only for the fuzzing run of CI (`make fuzz`).
FUZZ_PACKAGES = clang libclang-rt-14-dev
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps fuzz-deps configure build test run asan-test icons fuzz clean install package package-check

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The GUI tests share one display, so they run one at a time: none can take another's
# keyboard focus. A test that fails is run once more, so that a display hiccup on a loaded
# machine does not fail the suite; one that fails twice fails it.
CTEST = ctest --output-on-failure --repeat until-pass:2
test: build
	cd $(BUILD) && $(XVFB) $(CTEST)

run: build
	@if [ -x $(BUILD)/gui/stereon ]; then $(BUILD)/gui/stereon examples/scene.zdr; \
	 else echo "The Stereon window is not built yet; the geometry library and its tests are."; fi

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSTEREON_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 $(XVFB) $(CTEST)

# Renders data/*.png again from data/icons/*.svg (needs librsvg2-bin; the PNGs are committed).
icons:
	sh data/icons/render.sh

# libFuzzer, FUZZ_SECONDS for each target, over a copy of the seed corpus in tests/data and
# the example sessions: the reader on any bytes, and read-write-read round trips that must
# give the same objects and bytes. Any crash, sanitizer report, leak, hang or memory blow-up
# fails. The targets are built by CMake with clang, like the rest of the code.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS  = fuzz_roundtrip

fuzz: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DSTEREON_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	for target in $(FUZZ_TARGETS); do \
	  rm -rf $(FUZZ_BUILD)/corpus-$$target && mkdir -p $(FUZZ_BUILD)/corpus-$$target && \
	  cp tests/data/*.zdr $(wildcard examples/*.zdr) $(FUZZ_BUILD)/corpus-$$target/ && \
	  TMPDIR=$$([ -d /dev/shm ] && echo /dev/shm || echo /tmp) \
	    $(FUZZ_BUILD)/tests/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/$$target- $(FUZZ_BUILD)/corpus-$$target || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Installs stereon, stereon-cli, the desktop entry, icon, session MIME type, man pages,
# AppStream metainfo, copyright, changelog and example under PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package (build/stereon_<version>_amd64.deb); dpkg-dev works out its dependencies.
PACKAGE_PACKAGES = dpkg-dev file
package: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_PACKAGES)"
	cd $(BUILD) && cpack

# The checkers of Debian and of software centres, installed for package-check only.
PACKAGE_CHECK_PACKAGES = lintian appstream desktop-file-utils

# Fails unless lintian finds no error or warning in the package just built, appstreamcli
# accepts the metainfo as the package installs it (offline: its screenshots are URLs), and
# desktop-file-validate prints nothing, not even a hint. Then installs the package with apt
# and starts both programs from the installed files.
package-check: package
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_CHECK_PACKAGES)"
	lintian --fail-on error,warning $(BUILD)/stereon_*_amd64.deb
	rm -rf $(BUILD)/deb-root && dpkg-deb -x $(BUILD)/stereon_*_amd64.deb $(BUILD)/deb-root
	appstreamcli validate-tree --strict --no-net $(BUILD)/deb-root
	@out=$$(desktop-file-validate $(BUILD)/deb-root/usr/share/applications/stereon.desktop 2>&1); \
	  status=$$?; [ -z "$$out" ] || echo "$$out"; [ $$status = 0 ] && [ -z "$$out" ]
	DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --reinstall ./$(BUILD)/stereon_*_amd64.deb
	/usr/bin/stereon-cli --version
	$(XVFB) sh -c '/usr/bin/stereon & pid=$$!; sleep 5; kill -0 $$pid && kill $$pid'
