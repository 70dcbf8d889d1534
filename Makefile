# The two commands of the README, plus benchmarks.
BUILD ?= build

.PHONY: all deps configure build run test bench pictures package clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

run: build
	cd $(BUILD)/bin && ./optika

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	cd $(BUILD)/bin && QT_QPA_PLATFORM=offscreen ./optika-bench

# Renders the chooser's pictures of the models into data/img.
pictures: build
	scripts/make-pictures
	@cmake --build $(BUILD) --target data

# The Debian package $(BUILD)/optika_<version>_<arch>.deb, then its checks.
# cpack installs only what is built here, not the tests and benchmarks.
package:
	@scripts/install-deps --package
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOPTIKA_PACKAGE=ON \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
	@cmake --build $(BUILD) -j2 --target optika optika_docs optika_icons
	cd $(BUILD) && cpack
	scripts/check-package $(BUILD)

clean:
	rm -rf $(BUILD)
