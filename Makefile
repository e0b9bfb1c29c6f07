# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README, plus the benchmark, install and package. Each
# installs what is missing on a Debian 12 machine first.
BUILD ?= build
PREFIX ?= /usr/local
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

BUILD_DEBS := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev \
              qt6-svg-dev libqt6svg6 qt6-qpa-plugins libxcb1-dev qt6-base-private-dev \
              libxcb-screensaver0-dev libxcb-xfixes0-dev qt6-wayland \
              qt6-translations-l10n
FONT_DEBS := fonts-bebas-neue fonts-liberation fonts-liberation2 fonts-kaushanscript fonts-dejavu-core
DESKTOP_DEBS := xvfb openbox xdotool imagemagick x11-utils desktop-file-utils appstream dbus-daemon \
                weston socat x11-xserver-utils xscreensaver
PACKAGE_DEBS := dpkg-dev file lintian libxml2-utils
LINT_DEBS := clang-format clang-tidy
BENCH_DEBS := xscreensaver-data-extra procps

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench install package build build-asan deps deps-test deps-bench deps-package clean references storm soak lint format

run: deps build
	$(BUILD)/bin/korva-interface

test: deps deps-test deps-package build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
	@$(MAKE) --no-print-directory storm

# The storm under the address and undefined-behaviour sanitizers, in a build of
# its own; any sanitizer report fails it. SEED=n replays a storm.
SANITIZER_ENV := ASAN_OPTIONS=detect_stack_use_after_return=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
STORM = $(SANITIZER_ENV) $(ASAN_BUILD)/bin/korva_storm $(if $(SEED),--seed $(SEED))

storm: deps build-asan
	$(STORM) --events 20000 --files 100

soak: deps build-asan
	$(STORM) --events 1000000 --files 10000

build-asan:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVA_SANITIZE=ON $(CMAKE_ARGS) >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target korva_storm

# Writes the reference pictures of the picture tests anew after an intended
# change of the screens; look at every one before committing it.
references: deps build
	cd $(BUILD) && KORVA_UPDATE_REFERENCES=1 QT_QPA_PLATFORM=offscreen ctest -R tst_ --output-on-failure

bench: deps deps-test deps-bench build
	bench/run.sh $(BUILD)/bin/korva-interface

# PREFIX and DESTDIR as usual; root rights only for a real system folder.
install: deps build
	$(if $(DESTDIR),,$(SUDO)) env DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# A .deb in the build folder: apt-get install ./$(BUILD)/korva-interface_*.deb
package: deps deps-package build
	cmake --build $(BUILD) --target package

# CMAKE_ARGS passes more to the configuration, e.g. -DKORVA_WERROR=ON.
build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The format of every C++ file, then clang-tidy's checks (.clang-tidy) on the
# program's own sources, through the build's compile database.
SOURCES = $(shell git ls-files '*.cpp' '*.h')
lint: deps
	@$(MAKE) --no-print-directory install-debs DEBS="$(LINT_DEBS)"
	@echo "clang-format: $(words $(SOURCES)) files"
	@clang-format --dry-run -Werror $(SOURCES)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null
	@echo "clang-tidy: the program's sources"
	@git ls-files 'src/*.cpp' | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD) --quiet 2>/dev/null

# Formats every C++ file in place.
format:
	clang-format -i $(SOURCES)

deps:
	@$(MAKE) --no-print-directory install-debs DEBS="$(BUILD_DEBS) $(FONT_DEBS)"

deps-test:
	@$(MAKE) --no-print-directory install-debs DEBS="$(DESKTOP_DEBS)"

deps-package:
	@$(MAKE) --no-print-directory install-debs DEBS="$(PACKAGE_DEBS)"

deps-bench:
	@$(MAKE) --no-print-directory install-debs DEBS="$(BENCH_DEBS)"

# Installs the packages of DEBS that are not installed yet, and says which.
.PHONY: install-debs
install-debs:
	@missing=$$(for p in $(DEBS); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
